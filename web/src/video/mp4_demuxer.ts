// SPDX-License-Identifier: MIT
// MP4 and MOV through mp4box: the first picture track's codec, its decoder configuration and
// the table of its frames. mp4box is fed the file box by box as it asks, so that a film's
// picture data is skipped rather than read.
import { DataStream, Endianness, type ISOFile, MP4BoxBuffer, type Movie, createFile } from 'mp4box';
import { type EncodedVideo, NotAVideo } from './encoded_video';

const kChunk = 1 << 20;

// The avcC, hvcC, vpcC or av1C box's contents without its header: what VideoDecoder takes as
// the description.
function descriptionOf(file: ISOFile, trackId: number): Uint8Array | undefined {
  for (const entry of file.getTrackById(trackId).mdia.minf.stbl.stsd.entries) {
    const e = entry as unknown as Record<string, { write(s: DataStream): void } | undefined>;
    const box = e.avcC ?? e.hvcC ?? e.vpcC ?? e.av1C;
    if (box) {
      const stream = new DataStream(undefined, 0, Endianness.BIG_ENDIAN);
      box.write(stream);
      return new Uint8Array(stream.buffer as ArrayBuffer, 8);
    }
  }
  return undefined;
}

// A phone held upright films sideways and writes the turn into the track's matrix
// (a b u / c d v / x y w, a and b in 16.16 fixed point).
function rotationOf(matrix: ArrayLike<number> | undefined): EncodedVideo['rotationDeg'] {
  if (!matrix || matrix.length < 4) return 0;
  const deg = Math.round((Math.atan2(matrix[1] | 0, matrix[0] | 0) * 180) / Math.PI);
  const quarter = (((Math.round(deg / 90) % 4) + 4) % 4) as 0 | 1 | 2 | 3;
  return ([0, 90, 180, 270] as const)[quarter];
}

export async function readMp4(blob: Blob): Promise<EncodedVideo> {
  const file = createFile();
  let movie: Movie | null = null;
  let failed = false;
  file.onReady = (info) => {
    movie = info;
  };
  file.onError = () => {
    failed = true;
  };
  let at = 0;
  // A fragmented file (a recording written as it ran) lists its frames in every fragment, so it
  // is read to its end; any other has them all in its movie box.
  const more = () => !movie || (movie as Movie).isFragmented;
  while (more() && !failed && at < blob.size) {
    const bytes = await blob.slice(at, at + kChunk).arrayBuffer();
    const next = file.appendBuffer(
      MP4BoxBuffer.fromArrayBuffer(bytes, at),
      at + bytes.byteLength >= blob.size,
    );
    // mp4box asks for the byte after what it has; past a box it skips it names the box's end.
    at = next > at ? next : at + bytes.byteLength;
  }
  const info = movie as Movie | null;
  const track = info?.videoTracks[0];
  if (!info || !track) throw new NotAVideo();
  const samples = file.getTrackSamplesInfo(track.id);
  // Times as the file holds them, from the track's first shown frame.
  const first = Math.min(...samples.map((s) => s.cts));
  return {
    codec: track.codec,
    description: descriptionOf(file, track.id),
    width: track.video?.width ?? track.track_width,
    height: track.video?.height ?? track.track_height,
    rotationDeg: rotationOf(track.matrix),
    samples: samples.map((s) => ({
      timeS: (s.cts - first) / s.timescale,
      durationS: s.duration / s.timescale,
      key: s.is_sync,
      offset: s.offset,
      size: s.size,
    })),
  };
}
