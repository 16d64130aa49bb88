// SPDX-License-Identifier: MIT
// A video file's picture track as its container lists it: the codec, each frame's place in the
// file and its time. The frames' bytes stay in the file until a frame is decoded.
import { readMp4 } from './mp4_demuxer';
import { readWebm } from './webm_demuxer';

// One coded frame, in decoding order.
export interface EncodedSample {
  timeS: number; // when it is shown, from the file's time stamps
  durationS: number;
  key: boolean;
  offset: number;
  size: number;
}

export interface EncodedVideo {
  codec: string; // as WebCodecs names it: "avc1.64001f", "vp09.00.10.08", "hvc1.1.6.L93.B0"
  description?: Uint8Array;
  width: number; // as coded
  height: number;
  rotationDeg: 0 | 90 | 180 | 270; // clockwise, as the file asks the picture to be shown
  samples: EncodedSample[];
}

// What a file that is no video we read gives.
export class NotAVideo extends Error {}

// Reads a file's byte range; each read is its own, so that no more of a film sits in memory than
// one container box or one frame.
export async function readBytes(file: Blob, from: number, to: number): Promise<Uint8Array> {
  return new Uint8Array(await file.slice(from, to).arrayBuffer());
}

// MP4 and MOV by their "ftyp" (or a leading box of the movie), WebM by its EBML header; the
// name's ending is not trusted.
export async function readEncodedVideo(file: Blob): Promise<EncodedVideo> {
  const head = await readBytes(file, 0, 12);
  const ascii = String.fromCharCode(...head.subarray(4, 8));
  let video: EncodedVideo | null = null;
  if (
    head.length >= 4 &&
    head[0] === 0x1a &&
    head[1] === 0x45 &&
    head[2] === 0xdf &&
    head[3] === 0xa3
  ) {
    video = await readWebm(file);
  } else if (['ftyp', 'moov', 'mdat', 'wide', 'free', 'skip'].includes(ascii)) {
    video = await readMp4(file);
  }
  if (!video || video.samples.length === 0 || !video.samples.some((s) => s.key)) {
    throw new NotAVideo();
  }
  return video;
}
