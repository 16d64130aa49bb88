// SPDX-License-Identifier: MIT
#include "flight/posture_shades.h"

#include <algorithm>
#include <array>

namespace purzo {

std::uint32_t PostureShade(int posture) {
    // Blues from pale to dark, each step clearly lighter than the next in grey as well.
    static constexpr std::array<std::uint32_t, 7> kShades{
        0xffdeebf7, 0xffc6dbef, 0xff9ecae1, 0xff6baed6, 0xff3182bd, 0xff08519c, 0xff08306b};
    return kShades[std::size_t(std::clamp(posture, 1, 7) - 1)];
}

} // namespace purzo
