// SPDX-License-Identifier: MIT
// The arrow-key picture as designed: where its four keys lie, in its own pixels (150 × 140 at the
// designed size). The picture generator draws the keys there; the window finds a tapped key.
#pragma once

#include <optional>

namespace purzo {

inline constexpr int kArrowKeysWidthPx = 150;
inline constexpr int kArrowKeysHeightPx = 140;

enum class ArrowKey { Up, Left, Down, Right };

struct KeyRect {
    double left, top, width, height; // picture pixels at the designed size
    constexpr bool contains(double x, double y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

// Three keys in a row under the up key, 40 pixels square with 5 between them.
constexpr KeyRect ArrowKeyRect(ArrowKey key) {
    constexpr double size = 40, gap = 5, left = 7, top = 8;
    switch (key) {
    case ArrowKey::Up:
        return {left + size + gap, top, size, size};
    case ArrowKey::Left:
        return {left, top + size + gap, size, size};
    case ArrowKey::Down:
        return {left + size + gap, top + size + gap, size, size};
    case ArrowKey::Right:
        return {left + 2 * (size + gap), top + size + gap, size, size};
    }
    return {};
}

// The key under a point of the picture, in its designed pixels.
constexpr std::optional<ArrowKey> ArrowKeyAt(double x, double y) {
    for (const ArrowKey key : {ArrowKey::Up, ArrowKey::Left, ArrowKey::Down, ArrowKey::Right}) {
        if (ArrowKeyRect(key).contains(x, y)) {
            return key;
        }
    }
    return std::nullopt;
}

} // namespace purzo
