// SPDX-License-Identifier: MIT
// WebM (and Matroska) read just far enough for a picture track: its codec, size and every
// frame's place and time. The elements are walked in a row, stepping into the few containers
// that matter and over everything else, so that unknown sizes (a recording still being written)
// and frames' bytes cost nothing.
import { type EncodedSample, type EncodedVideo, NotAVideo, readBytes } from './encoded_video';

// The containers stepped into: Segment, Info, Tracks, TrackEntry, Video, Cluster, BlockGroup.
const kContainers = new Set([0x18538067, 0x1549a966, 0x1654ae6b, 0xae, 0xe0, 0x1f43b675, 0xa0]);
const kWindow = 1 << 16;

// Reads through the file a window at a time.
class Reader {
  private bytes: Uint8Array = new Uint8Array(0);
  private start = 0;
  constructor(private readonly file: Blob) {}
  get size(): number {
    return this.file.size;
  }
  async at(pos: number, length: number): Promise<Uint8Array> {
    if (pos < this.start || pos + length > this.start + this.bytes.length) {
      this.start = pos;
      this.bytes = await readBytes(this.file, pos, pos + Math.max(length, kWindow));
    }
    return this.bytes.subarray(pos - this.start, pos - this.start + length);
  }
}

// An EBML number: its length from the first byte's leading zeros; for sizes the marker bit is
// cleared, and all ones means "unknown".
function vint(bytes: Uint8Array, at: number, keepMarker: boolean) {
  const first = bytes[at];
  if (first === undefined || first === 0) return null;
  const length = Math.clz32(first) - 23;
  if (at + length > bytes.length) return null;
  let value = keepMarker ? first : first & (0xff >> length);
  let allOnes = value === 0xff >> length;
  for (let i = 1; i < length; i++) {
    value = value * 256 + bytes[at + i];
    allOnes &&= bytes[at + i] === 0xff;
  }
  return { value, length, unknown: !keepMarker && allOnes };
}

function unsigned(bytes: Uint8Array): number {
  return bytes.reduce((v, b) => v * 256 + b, 0);
}

function codecOf(
  id: string,
  priv: Uint8Array | undefined,
): { codec: string; description?: Uint8Array } {
  const hex = (b: number) => b.toString(16).padStart(2, '0');
  switch (id) {
    case 'V_VP8':
      return { codec: 'vp8' };
    case 'V_VP9':
      return { codec: 'vp09.00.10.08' };
    case 'V_AV1':
      return { codec: 'av01.0.04M.08' };
    case 'V_MPEG4/ISO/AVC':
      return {
        codec:
          priv && priv.length > 3 ? `avc1.${hex(priv[1])}${hex(priv[2])}${hex(priv[3])}` : 'avc1',
        description: priv,
      };
    case 'V_MPEGH/ISO/HEVC':
      return { codec: 'hvc1.1.6.L93.B0', description: priv };
    default:
      return { codec: id };
  }
}

interface TrackEntry {
  number: number;
  type: number;
  codecId: string;
  priv?: Uint8Array;
  width: number;
  height: number;
}

export async function readWebm(file: Blob): Promise<EncodedVideo> {
  const reader = new Reader(file);
  const tracks: TrackEntry[] = [];
  let scaleNs = 1e6;
  let clusterTime = 0;
  const blocks: { track: number; time: number; key: boolean; offset: number; size: number }[] = [];
  let groupBlock: (typeof blocks)[number] | null = null;
  let pos = 0;
  while (pos < reader.size) {
    const head = await reader.at(pos, 12);
    const id = vint(head, 0, true);
    const size = id && vint(head, id.length, false);
    if (!id || !size) break;
    const data = pos + id.length + size.length;
    if (kContainers.has(id.value)) {
      if (id.value === 0xae) tracks.push({ number: 0, type: 0, codecId: '', width: 0, height: 0 });
      pos = data;
      continue;
    }
    if (size.unknown) break;
    const track = tracks[tracks.length - 1];
    const small = size.value <= 64 ? await reader.at(data, size.value) : null;
    switch (id.value) {
      case 0x2ad7b1: // TimecodeScale
        if (small) scaleNs = unsigned(small);
        break;
      case 0xd7: // TrackNumber
        if (track && small) track.number = unsigned(small);
        break;
      case 0x83: // TrackType
        if (track && small) track.type = unsigned(small);
        break;
      case 0x86: // CodecID
        if (track && small) track.codecId = String.fromCharCode(...small);
        break;
      case 0x63a2: // CodecPrivate
        if (track) track.priv = await readBytes(file, data, data + size.value);
        break;
      case 0xb0: // PixelWidth
        if (track && small) track.width = unsigned(small);
        break;
      case 0xba: // PixelHeight
        if (track && small) track.height = unsigned(small);
        break;
      case 0xe7: // Timecode of the cluster
        if (small) clusterTime = unsigned(small);
        break;
      case 0xa3: // SimpleBlock
      case 0xa1: {
        // Block: in a BlockGroup, a key frame unless a ReferenceBlock follows
        const b = await reader.at(data, Math.min(size.value, 12));
        const number = vint(b, 0, false);
        if (!number) break;
        const relative = (((b[number.length] << 8) | b[number.length + 1]) << 16) >> 16;
        const flags = b[number.length + 2];
        const header = number.length + 3;
        // Laced frames are audio's; a picture track has none.
        if ((flags & 0x06) === 0) {
          const block = {
            track: number.value,
            time: clusterTime + relative,
            key: id.value === 0xa3 ? (flags & 0x80) !== 0 : true,
            offset: data + header,
            size: size.value - header,
          };
          blocks.push(block);
          groupBlock = id.value === 0xa1 ? block : null;
        }
        break;
      }
      case 0xfb: // ReferenceBlock
        if (groupBlock) groupBlock.key = false;
        break;
    }
    pos = data + size.value;
  }
  const video = tracks.find((t) => t.type === 1);
  if (!video) throw new NotAVideo();
  const own = blocks.filter((b) => b.track === video.number);
  const times = own.map((b) => (b.time * scaleNs) / 1e9);
  const first = Math.min(...times);
  const shown = [...times].sort((a, b) => a - b);
  const samples: EncodedSample[] = own.map((b, i) => {
    // A frame lasts until the next shown one; the last as long as the one before it.
    const k = shown.indexOf(times[i]);
    const next = shown[k + 1] ?? shown[k] + (k > 0 ? shown[k] - shown[k - 1] : 0);
    return {
      timeS: times[i] - first,
      durationS: next - times[i],
      key: b.key,
      offset: b.offset,
      size: b.size,
    };
  });
  return {
    ...codecOf(video.codecId, video.priv),
    width: video.width,
    height: video.height,
    rotationDeg: 0,
    samples,
  };
}
