// SPDX-License-Identifier: MIT
// The window's pictures, each in its designed size and a large version at twice that, taken
// where the scale times the screen's pixel density asks for more than the designed pixels.
import pictureUrls from 'purzo:pictures';

export class PagePictures {
  private readonly images = new Map<string, HTMLImageElement>();
  private loaded: (() => void)[] = [];

  constructor(private readonly failed: (name: string) => void) {}

  // The address of a picture for this device scale.
  url(name: string, deviceScale: number): string {
    const url = pictureUrls[deviceScale > 1 ? `${name}-2x` : name] ?? pictureUrls[name];
    if (!url) throw new Error(`no picture ${name}`);
    return url;
  }

  // A picture's designed size: its small version's pixels.
  designedSize(name: string): { width: number; height: number } {
    const image = this.image(name);
    return { width: image.naturalWidth, height: image.naturalHeight };
  }

  // The hall for this device scale, and how many of its pixels make a designed pixel.
  hall(deviceScale: number): { image: HTMLImageElement; density: number } {
    const large = deviceScale > 1;
    return { image: this.image(large ? 'sporthalle-2x' : 'sporthalle'), density: large ? 2 : 1 };
  }

  onLoaded(run: () => void): void {
    this.loaded.push(run);
  }

  // The arrow keys' picture (in the page's language) and the mark, sharp at this device scale.
  showIn(
    arrowKeys: HTMLImageElement,
    mark: HTMLImageElement,
    language: string,
    deviceScale: number,
  ): void {
    const keys = language === 'en' ? 'pfeiltasten-en' : 'pfeiltasten';
    for (const [img, name] of [
      [arrowKeys, keys],
      [mark, 'zeichen'],
    ] as const) {
      img.src = this.url(name, deviceScale);
      const size = this.designedSize(name);
      img.style.width = `${size.width}px`;
      img.style.height = `${size.height}px`;
    }
  }

  // Loads every picture; resolves when all are there, rejects on the first that fails.
  loadAll(): Promise<void> {
    return Promise.all(
      Object.keys(pictureUrls).map((name) =>
        this.image(name)
          .decode()
          .catch(() => {
            this.failed(name);
            throw new Error(`the picture ${name} did not load`);
          }),
      ),
    ).then(() => undefined);
  }

  private image(name: string): HTMLImageElement {
    let image = this.images.get(name);
    if (!image) {
      image = new Image();
      image.addEventListener('load', () => this.loaded.forEach((run) => run()));
      image.addEventListener('error', () => this.failed(name));
      image.src = pictureUrls[name];
      this.images.set(name, image);
    }
    return image;
  }
}
