// SPDX-License-Identifier: MIT
// The whole view shows more than the hall's picture: beyond its edges the wall and the floor go
// on plainly, each strip in the mean colour of the picture's outermost band, line by line.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace purzo {

enum class PictureEdge { Left, Right, Top, Bottom };

// How deep a band is, in the hall picture's designed pixels.
inline constexpr double kEdgeBandDepthPx = 6.0;

// The band's depth in an image of the hall `imageWidth` × `imageHeight` pixels with
// `imagePxPerDesignedPx`: at least one pixel, at most the image.
int EdgeBandDepth(int imageWidth, int imageHeight, double imagePxPerDesignedPx);

// The mean of each line across the band at `edge`, `depth` deep, in an image of `width` ×
// `height` pixels stored row by row: one value per row for the sides, per column for top and
// bottom. Each of a pixel's four bytes is averaged on its own, so any channel order works.
std::vector<std::uint32_t> EdgeBandMeans(std::span<const std::uint32_t> pixels, int width,
                                         int height, PictureEdge edge, int depth);

} // namespace purzo
