// SPDX-License-Identifier: MIT
// A video's frames by their place in it, each with its time from the file. WebCodecs decodes a
// frame from the key frame before it, with a few after it kept for stepping on; without
// WebCodecs (plain HTTP is no secure context) a <video> element seeks to the middle of the
// frame's interval, which a browser may round to its neighbour.
import { type EncodedVideo, readBytes } from './encoded_video';

export interface FrameSource {
  readonly width: number;
  readonly height: number;
  readonly timesS: number[]; // every frame's time, in the order they are shown
  readonly exact: boolean; // false where a frame may be its neighbour
  // The frame, drawable until the next call.
  frame(index: number): Promise<CanvasImageSource>;
  close(): void;
}

// A codec this browser cannot decode; its name for the message.
export class CodecUnsupported extends Error {
  constructor(readonly codec: string) {
    super(codec);
  }
}

// Kept decoded frames: about 64 MB of pixels, at least 8 and at most 30 frames.
function cacheSizeFor(width: number, height: number): number {
  return Math.max(8, Math.min(30, Math.floor(64e6 / Math.max(1, width * height * 4))));
}

class DecodedFrames implements FrameSource {
  readonly exact = true;
  readonly timesS: number[];
  private readonly shownOrder: number[]; // place in decoding order by place among the shown
  private readonly byMicroseconds = new Map<number, number>(); // place among the shown
  private readonly microseconds: number[]; // by place in decoding order
  private readonly cache = new Map<number, ImageBitmap>();
  private readonly cacheSize: number;
  private lastAsked = 0;
  private queue: Promise<unknown> = Promise.resolve();

  constructor(
    private readonly file: Blob,
    private readonly video: EncodedVideo,
    private readonly config: VideoDecoderConfig,
  ) {
    const samples = video.samples;
    this.shownOrder = samples.map((_, i) => i).sort((a, b) => samples[a].timeS - samples[b].timeS);
    // Each frame's time stamp for the decoder, in the order shown and one apart at least, so
    // that a file with two frames at one time still tells them apart.
    this.microseconds = new Array(samples.length);
    let last = -1;
    this.shownOrder.forEach((d, s) => {
      last = Math.max(Math.round(samples[d].timeS * 1e6), last + 1);
      this.microseconds[d] = last;
      this.byMicroseconds.set(last, s);
    });
    this.timesS = this.shownOrder.map((d) => samples[d].timeS);
    this.cacheSize = cacheSizeFor(video.width, video.height);
  }

  private get turned(): boolean {
    return this.video.rotationDeg % 180 !== 0;
  }
  get width(): number {
    return this.turned ? this.video.height : this.video.width;
  }
  get height(): number {
    return this.turned ? this.video.width : this.video.height;
  }

  // The frame turned as the file asks, so that marks and markers are found on the picture the
  // student filmed.
  private upright(b: ImageBitmap): ImageBitmap {
    const deg = this.video.rotationDeg;
    if (deg === 0) return b;
    const c = new OffscreenCanvas(this.width, this.height);
    const g = c.getContext('2d')!;
    g.translate(this.width / 2, this.height / 2);
    g.rotate((deg * Math.PI) / 180);
    g.drawImage(b, -b.width / 2, -b.height / 2);
    b.close();
    return c.transferToImageBitmap();
  }

  frame(index: number): Promise<CanvasImageSource> {
    // One decoding at a time: a second waits rather than evicting the first one's frames.
    const next = this.queue.then(() => this.decoded(index));
    this.queue = next.catch(() => {});
    return next;
  }

  private async decoded(index: number): Promise<ImageBitmap> {
    const cached = this.cache.get(index);
    if (cached) return cached;
    const samples = this.video.samples;
    const target = this.shownOrder[index];
    let from = target;
    while (from > 0 && !samples[from].key) from--;
    // Stepping back keeps the frames before the one asked for, stepping on those after it.
    const backwards = index < this.lastAsked;
    this.lastAsked = index;
    const ahead = backwards ? 2 : this.cacheSize - 3;
    const behind = this.cacheSize - 1 - ahead;
    const to = Math.min(samples.length - 1, target + ahead);
    const pending: Promise<void>[] = [];
    let failure: unknown = null;
    const decoder = new VideoDecoder({
      output: (f) => {
        // The decoder hands each frame back with its chunk's time stamp.
        const shown = this.byMicroseconds.get(f.timestamp);
        if (shown === undefined || shown < index - behind || shown > index + ahead) {
          f.close();
          return;
        }
        pending.push(
          createImageBitmap(f).then((b) => {
            f.close();
            this.keep(shown, this.upright(b), index);
          }),
        );
      },
      error: (e) => {
        failure = e;
      },
    });
    try {
      decoder.configure(this.config);
      for (let d = from; d <= to; d++) {
        const s = samples[d];
        decoder.decode(
          new EncodedVideoChunk({
            type: s.key ? 'key' : 'delta',
            timestamp: this.microseconds[d],
            duration: Math.round(s.durationS * 1e6),
            data: await readBytes(this.file, s.offset, s.offset + s.size),
          }),
        );
      }
      await decoder.flush();
      await Promise.all(pending);
    } finally {
      if (decoder.state !== 'closed') decoder.close();
    }
    const frame = this.cache.get(index);
    if (!frame) throw failure ?? new Error(`frame ${index + 1} not decoded`);
    return frame;
  }

  private keep(shown: number, bitmap: ImageBitmap, around: number): void {
    this.cache.get(shown)?.close();
    this.cache.set(shown, bitmap);
    while (this.cache.size > this.cacheSize) {
      let farthest = shown;
      for (const k of this.cache.keys())
        if (Math.abs(k - around) > Math.abs(farthest - around)) farthest = k;
      this.cache.get(farthest)?.close();
      this.cache.delete(farthest);
    }
  }

  close(): void {
    for (const b of this.cache.values()) b.close();
    this.cache.clear();
  }
}

// The fallback: the browser's own player, paused on each frame's middle.
class SeekedFrames implements FrameSource {
  readonly exact = false;
  readonly timesS: number[];
  private readonly middles: number[];
  private queue: Promise<unknown> = Promise.resolve();

  constructor(
    private readonly element: HTMLVideoElement,
    private readonly url: string,
    video: EncodedVideo,
  ) {
    const shown = [...video.samples].sort((a, b) => a.timeS - b.timeS);
    this.timesS = shown.map((s) => s.timeS);
    this.middles = shown.map((s) => s.timeS + s.durationS / 2);
  }

  get width(): number {
    return this.element.videoWidth;
  }
  get height(): number {
    return this.element.videoHeight;
  }

  frame(index: number): Promise<CanvasImageSource> {
    const next = this.queue.then(
      () =>
        new Promise<CanvasImageSource>((resolve, reject) => {
          const done = () => {
            this.element.removeEventListener('error', failed);
            resolve(this.element);
          };
          const failed = () => {
            this.element.removeEventListener('seeked', done);
            reject(new CodecUnsupported(''));
          };
          this.element.addEventListener('seeked', done, { once: true });
          this.element.addEventListener('error', failed, { once: true });
          this.element.currentTime = this.middles[index];
        }),
    );
    this.queue = next.catch(() => {});
    return next;
  }

  close(): void {
    this.element.removeAttribute('src');
    this.element.load();
    URL.revokeObjectURL(this.url);
  }
}

// What the decoder is told: the codec, its configuration box and the size.
function configOf(video: EncodedVideo): VideoDecoderConfig {
  return {
    codec: video.codec,
    description: video.description,
    codedWidth: video.width,
    codedHeight: video.height,
    optimizeForLatency: true,
  };
}

export async function openFrames(file: Blob, video: EncodedVideo): Promise<FrameSource> {
  if (typeof VideoDecoder !== 'undefined') {
    const config = configOf(video);
    const support = await VideoDecoder.isConfigSupported(config).catch(() => null);
    if (support?.supported) return new DecodedFrames(file, video, config);
    // A codec WebCodecs lacks that the browser's own player has (some browsers play HEVC only
    // there): its frames, a frame perhaps off by one, rather than none.
    const type = `video/${file.type.includes('webm') ? 'webm' : 'mp4'}; codecs="${video.codec}"`;
    if (document.createElement('video').canPlayType(type) !== 'probably')
      throw new CodecUnsupported(video.codec);
  }
  const element = document.createElement('video');
  const url = URL.createObjectURL(file);
  element.muted = true;
  element.playsInline = true;
  element.preload = 'auto';
  await new Promise<void>((resolve, reject) => {
    element.addEventListener('loadeddata', () => resolve(), { once: true });
    element.addEventListener('error', () => reject(new CodecUnsupported(video.codec)), {
      once: true,
    });
    element.src = url;
  }).catch((e) => {
    URL.revokeObjectURL(url);
    throw e;
  });
  return new SeekedFrames(element, url, video);
}
