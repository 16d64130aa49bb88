// SPDX-License-Identifier: MIT
// Coloured tape on the joints found in each frame: the pixels within a tolerance of the marker's
// colour, searched around the place its last moves predict, their largest patch's centre.
#pragma once

#include "video/body_marks.h"
#include "video/video_image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace purzo {

struct MarkerColour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const MarkerColour&, const MarkerColour&) = default;
};
// "#RRGGBB", or nothing.
std::optional<MarkerColour> ParseColour(std::string_view text);

// The marker's colour where the student clicked: the mean of the most strongly coloured pixels
// within two pixels of the click, so that a click on the marker's edge or on a line across it
// still takes the tape's colour; near grey or white, the mean of them all. Nothing for a click
// off the picture.
std::optional<MarkerColour> PickedColour(const RgbImage& image, PixelPoint at);

// How far a pixel may lie from the marker's colour in each channel and still count.
inline constexpr int kColourTolerance = 40;

// The centre of the largest patch of the colour within `radiusPx` of `around` (the whole
// picture without it); nothing when no patch of at least minPixels pixels is there.
std::optional<PixelPoint> FindMarker(const RgbImage& image, MarkerColour colour,
                                     std::optional<PixelPoint> around, double radiusPx,
                                     int minPixels = 4);

// Follows one marker per joint through the frames, each from the place its last two finds
// predict; a joint without a colour stays unmarked.
class MarkerTracker {
public:
    explicit MarkerTracker(std::array<std::optional<MarkerColour>, kJointCount> colours);
    FrameMarks track(const RgbImage& image);
    // A mark the student moved: the prediction goes on from it.
    void correct(Joint joint, PixelPoint at);

private:
    std::array<std::optional<MarkerColour>, kJointCount> colours_;
    std::array<std::vector<PixelPoint>, kJointCount> found_; // the last two finds, oldest first
};

} // namespace purzo
