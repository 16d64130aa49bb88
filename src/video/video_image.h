// SPDX-License-Identifier: MIT
// One decoded video frame as 8-bit RGB, rows top to bottom without padding.
#pragma once

#include <cstdint>
#include <vector>

namespace purzo {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width × height × 3 bytes

    const std::uint8_t* pixel(int x, int y) const {
        return rgb.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    }
};

} // namespace purzo
