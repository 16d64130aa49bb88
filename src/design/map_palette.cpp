// SPDX-License-Identifier: MIT
#include "design/map_palette.h"

#include <algorithm>
#include <array>

namespace purzo {

MapClassStyle MapClassStyleOf(int mapClass) {
    static constexpr std::array<MapClassStyle, 5> kStyles{{
        {0xff009e73, MapPattern::Plain},            // upright: bluish green
        {0xffe69f00, MapPattern::ForwardDiagonal},  // too far: orange
        {0xff56b4e9, MapPattern::BackwardDiagonal}, // too short: sky blue
        {0xffcc79a7, MapPattern::Cross},            // not on the feet: reddish purple
        {0xfff0e442, MapPattern::Dots},             // on the feet, still tucked: yellow
    }};
    return kStyles[std::size_t(std::clamp(mapClass, 0, 4))];
}

} // namespace purzo
