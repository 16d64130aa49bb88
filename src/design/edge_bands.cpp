// SPDX-License-Identifier: MIT
#include "design/edge_bands.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace purzo {

int EdgeBandDepth(int imageWidth, int imageHeight, double imagePxPerDesignedPx) {
    const auto depth = static_cast<int>(std::lround(kEdgeBandDepthPx * imagePxPerDesignedPx));
    return std::max(1, std::min({imageWidth, imageHeight, depth}));
}

std::vector<std::uint32_t> EdgeBandMeans(std::span<const std::uint32_t> pixels, int width,
                                         int height, PictureEdge edge, int depth) {
    const bool sides = edge == PictureEdge::Left || edge == PictureEdge::Right;
    const bool farEdge = edge == PictureEdge::Right || edge == PictureEdge::Bottom;
    const int length = sides ? height : width;
    const int across = sides ? width : height;
    depth = std::clamp(depth, 0, across);
    if (width <= 0 || height <= 0 || depth == 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return {};
    }
    std::vector<std::uint32_t> means(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        std::array<std::uint32_t, 4> sum{};
        for (int d = 0; d < depth; ++d) {
            const int a = farEdge ? across - 1 - d : d;
            const int x = sides ? a : i, y = sides ? i : a;
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * std::size_t(width) +
                                           static_cast<std::size_t>(x)];
            for (int c = 0; c < 4; ++c) {
                sum[std::size_t(c)] += (p >> (8 * c)) & 0xffu;
            }
        }
        std::uint32_t mean = 0;
        for (int c = 0; c < 4; ++c) {
            mean |= (sum[std::size_t(c)] / std::uint32_t(depth)) << (8 * c);
        }
        means[std::size_t(i)] = mean;
    }
    return means;
}

} // namespace purzo
