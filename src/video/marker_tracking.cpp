// SPDX-License-Identifier: MIT
// Patches are 8-connected runs of matching pixels, labelled with a stack inside the search
// window only, so a 4K frame costs no more than the window around each joint.
#include "video/marker_tracking.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace purzo {
namespace {

bool Matches(const std::uint8_t* p, MarkerColour c) {
    return std::abs(int(p[0]) - int(c.r)) <= kColourTolerance &&
           std::abs(int(p[1]) - int(c.g)) <= kColourTolerance &&
           std::abs(int(p[2]) - int(c.b)) <= kColourTolerance;
}

// Around the prediction the search looks this far at least, pixels; wider when the marker moves
// faster.
constexpr double kLeastSearchRadiusPx = 24.0;

} // namespace

std::optional<MarkerColour> ParseColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
    if (ec != std::errc{} || end != text.data() + 7) {
        return std::nullopt;
    }
    return MarkerColour{std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
}

std::optional<MarkerColour> PickedColour(const RgbImage& image, PixelPoint at) {
    constexpr int kRadiusPx = 2;
    constexpr int kGreyest = 48; // a pixel no more coloured than this is grey (max − min channel)
    if (!(std::abs(at.x) < 1e6 && std::abs(at.y) < 1e6)) {
        return std::nullopt;
    }
    const int cx = int(std::lround(at.x)), cy = int(std::lround(at.y));
    std::vector<const std::uint8_t*> around;
    int strongest = 0;
    for (int y = std::max(0, cy - kRadiusPx); y <= std::min(image.height - 1, cy + kRadiusPx);
         ++y) {
        for (int x = std::max(0, cx - kRadiusPx); x <= std::min(image.width - 1, cx + kRadiusPx);
             ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            around.push_back(p);
            strongest = std::max(strongest, int(std::max({p[0], p[1], p[2]})) -
                                                int(std::min({p[0], p[1], p[2]})));
        }
    }
    int sum[3] = {0, 0, 0}, n = 0;
    for (const std::uint8_t* p : around) {
        const int saturation =
            int(std::max({p[0], p[1], p[2]})) - int(std::min({p[0], p[1], p[2]}));
        if (strongest < kGreyest || 4 * saturation >= 3 * strongest) {
            for (int c = 0; c < 3; ++c) {
                sum[c] += p[c];
            }
            ++n;
        }
    }
    if (n == 0) {
        return std::nullopt;
    }
    return MarkerColour{std::uint8_t(sum[0] / n), std::uint8_t(sum[1] / n),
                        std::uint8_t(sum[2] / n)};
}

std::optional<PixelPoint> FindMarker(const RgbImage& image, MarkerColour colour,
                                     std::optional<PixelPoint> around, double radiusPx,
                                     int minPixels) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() < std::size_t(image.width) * std::size_t(image.height) * 3) {
        return std::nullopt;
    }
    int x0 = 0, y0 = 0, x1 = image.width - 1, y1 = image.height - 1;
    if (around && std::isfinite(around->x) && std::isfinite(around->y) && radiusPx > 0) {
        x0 = std::max(x0, int(std::floor(around->x - radiusPx)));
        y0 = std::max(y0, int(std::floor(around->y - radiusPx)));
        x1 = std::min(x1, int(std::ceil(around->x + radiusPx)));
        y1 = std::min(y1, int(std::ceil(around->y + radiusPx)));
        if (x0 > x1 || y0 > y1) {
            return std::nullopt;
        }
    }
    const int w = x1 - x0 + 1, h = y1 - y0 + 1;
    std::vector<std::uint8_t> state(std::size_t(w) * std::size_t(h), 0); // 1 match, 2 visited
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            state[std::size_t(y - y0) * std::size_t(w) + std::size_t(x - x0)] =
                Matches(image.pixel(x, y), colour) ? 1 : 0;
        }
    }
    std::optional<PixelPoint> best;
    long bestCount = 0;
    double bestDistance = 0;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (state[std::size_t(start)] != 1) {
            continue;
        }
        long count = 0;
        double sumX = 0, sumY = 0;
        stack.assign(1, start);
        state[std::size_t(start)] = 2;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const int x = i % w, y = i / w;
            ++count;
            sumX += x;
            sumY += y;
            auto visit = [&](int nx, int ny) {
                if (nx >= 0 && ny >= 0 && nx < w && ny < h) {
                    const int n = ny * w + nx;
                    if (state[std::size_t(n)] == 1) {
                        state[std::size_t(n)] = 2;
                        stack.push_back(n);
                    }
                }
            };
            // Eight neighbours: a noisy marker's pixels still hang together.
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    visit(x + dx, y + dy);
                }
            }
        }
        if (count < minPixels) {
            continue;
        }
        // Pixel centres lie half a pixel inside their squares.
        const PixelPoint centre{x0 + sumX / double(count) + 0.5, y0 + sumY / double(count) + 0.5};
        const double distance =
            around ? std::hypot(centre.x - around->x, centre.y - around->y) : 0.0;
        // The largest patch wins; of two about as large, the one nearer the prediction.
        const bool larger = double(count) > 1.5 * double(bestCount);
        const bool asLarge = double(count) * 1.5 >= double(bestCount);
        if (!best || larger || (asLarge && distance < bestDistance)) {
            best = centre;
            bestCount = count;
            bestDistance = distance;
        }
    }
    if (!best) {
        return best;
    }
    // Noise may break a marker into pieces: every matching pixel near the largest one counts.
    const double reach = 2 * std::sqrt(double(bestCount) / 3.14159) + 2;
    double sumX = 0, sumY = 0;
    long count = 0;
    for (int y = int(best->y - reach); y <= int(best->y + reach); ++y) {
        for (int x = int(best->x - reach); x <= int(best->x + reach); ++x) {
            if (x >= x0 && y >= y0 && x <= x1 && y <= y1 &&
                std::hypot(x + 0.5 - best->x, y + 0.5 - best->y) <= reach &&
                state[std::size_t(y - y0) * std::size_t(w) + std::size_t(x - x0)] != 0) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++count;
            }
        }
    }
    return count > 0 ? std::optional(PixelPoint{sumX / double(count), sumY / double(count)}) : best;
}

MarkerTracker::MarkerTracker(std::array<std::optional<MarkerColour>, kJointCount> colours)
    : colours_(colours) {}

FrameMarks MarkerTracker::track(const RgbImage& image) {
    FrameMarks marks;
    for (std::size_t j = 0; j < std::size_t(kJointCount); ++j) {
        if (!colours_[j]) {
            continue;
        }
        std::vector<PixelPoint>& history = found_[j];
        std::optional<PixelPoint> found;
        if (!history.empty()) {
            PixelPoint predicted = history.back();
            double radius = kLeastSearchRadiusPx;
            if (history.size() == 2) {
                const double vx = history[1].x - history[0].x, vy = history[1].y - history[0].y;
                predicted = {history[1].x + vx, history[1].y + vy};
                radius = std::max(radius, 2.0 * std::hypot(vx, vy));
            }
            found = FindMarker(image, *colours_[j], predicted, radius);
        }
        if (!found) {
            found = FindMarker(image, *colours_[j], std::nullopt, 0);
            history.clear();
        }
        if (found) {
            correct(kJoints[j], *found);
        }
        marks[j] = found;
    }
    return marks;
}

void MarkerTracker::correct(Joint joint, PixelPoint at) {
    std::vector<PixelPoint>& history = found_[std::size_t(joint)];
    history.push_back(at);
    if (history.size() > 2) {
        history.erase(history.begin());
    }
}

} // namespace purzo
