// SPDX-License-Identifier: MIT
// The sports hall behind the figures: the picture at the canvas's scale from the area's top-left
// corner, or in the whole-flight view the picture in its place in canvas units with the wall and
// the floor carried on beyond its edges. Reading the picture's edges is slow, so their bands are
// kept for as long as the picture stays the same.
import type { CanvasDesign, PurzoModule } from '../model';
import type { Surface } from './canvas_view';
import { type Transform, apply } from './view_transform';

interface EdgeBands {
  image: HTMLImageElement;
  left: HTMLCanvasElement;
  right: HTMLCanvasElement;
  top: HTMLCanvasElement;
  bottom: HTMLCanvasElement;
}

export class HallBackground {
  private bands: EdgeBands | null = null;

  constructor(
    private readonly design: CanvasDesign & { heightUnits: number },
    private readonly hall: () => { image: HTMLImageElement; density: number },
    private readonly rules: Pick<PurzoModule, 'edgeBandDepth' | 'edgeBandMeans'>,
  ) {}

  // The hall over the surface from its top-left corner; `t` is its view.
  draw(surface: Surface, wholeView: boolean, t: Transform): void {
    const { ctx } = surface;
    const { image: hall, density } = this.hall();
    if (!hall.complete || !hall.naturalWidth) return;
    // The picture's size in its designed pixels; its large version has twice as many.
    const pictureWidth = hall.naturalWidth / density,
      pictureHeight = hall.naturalHeight / density;
    ctx.imageSmoothingEnabled = true;
    ctx.imageSmoothingQuality = 'high';
    if (!wholeView) {
      // The picture at the window's scale from the area's top-left corner, cut off at its edges.
      ctx.drawImage(hall, 0, 0, pictureWidth * surface.scale, pictureHeight * surface.scale);
      return;
    }
    // The picture keeps its place in canvas units with its ground line on y 150; beyond its
    // edges the wall and the floor go on, each strip in the mean colour of the picture's band.
    const [x0, y0] = apply(t, 0, 0);
    const pictureScale = (t.sy * this.design.heightUnits) / this.design.hallRowsPerGround; // device px per designed picture px
    const w = pictureWidth * pictureScale,
      h = pictureHeight * pictureScale;
    const bands = this.edgeBands(hall, density);
    const xs = [0, x0, x0 + w, surface.width],
      ys = [0, y0, y0 + h, surface.height];
    for (let i = 0; i < 3; ++i) {
      for (let j = 0; j < 3; ++j) {
        const dw = xs[i + 1] - xs[i],
          dh = ys[j + 1] - ys[j];
        if (dw <= 0 || dh <= 0) continue;
        if (i === 1 && j === 1) {
          ctx.drawImage(hall, xs[i], ys[j], dw, dh);
        } else if (i === 1 || j === 1) {
          ctx.drawImage(
            i === 1 ? (j === 0 ? bands.top : bands.bottom) : i === 0 ? bands.left : bands.right,
            xs[i],
            ys[j],
            dw,
            dh,
          );
        } else {
          // A corner: the colour where the two strips meet.
          const side = i === 0 ? bands.left : bands.right;
          ctx.drawImage(side, 0, j === 0 ? 0 : side.height - 1, 1, 1, xs[i], ys[j], dw, dh);
        }
      }
    }
  }

  // The picture's four edge bands averaged across their depth, once per picture.
  private edgeBands(hall: HTMLImageElement, density: number): EdgeBands {
    if (this.bands?.image === hall) return this.bands;
    const iw = hall.naturalWidth,
      ih = hall.naturalHeight;
    const depth = this.rules.edgeBandDepth(iw, ih, density);
    const source = document.createElement('canvas');
    source.width = iw;
    source.height = ih;
    const sctx = source.getContext('2d', { willReadFrequently: true })!;
    sctx.drawImage(hall, 0, 0);
    // Only the strips are read: [x, y, width, height] of each band and the edge it lies on.
    const strips: [number, number, number, number, number][] = [
      [0, 0, depth, ih, 0],
      [iw - depth, 0, depth, ih, 1],
      [0, 0, iw, depth, 2],
      [0, ih - depth, iw, depth, 3],
    ];
    const [left, right, top, bottom] = strips.map(([x, y, sw, sh, edge]) => {
      const pixels = new Uint32Array(sctx.getImageData(x, y, sw, sh).data.buffer);
      const means = this.rules.edgeBandMeans(pixels, sw, sh, edge, depth);
      const side = edge < 2;
      const band = document.createElement('canvas');
      band.width = side ? 1 : means.length;
      band.height = side ? means.length : 1;
      const data = new ImageData(
        new Uint8ClampedArray(new Uint32Array(means).buffer),
        band.width,
        band.height,
      );
      band.getContext('2d')!.putImageData(data, 0, 0);
      return band;
    });
    this.bands = { image: hall, left, right, top, bottom };
    return this.bands;
  }
}
