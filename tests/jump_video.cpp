// SPDX-License-Identifier: MIT
#include "jump_video.h"

#include "body/body_inertia.h"
#include "body/canvas_units.h"
#include "body/lowest_point.h"
#include "body/placed_figure.h"
#include "flight/exact_step.h"
#include "flight/flight_constants.h"

#include <QProcess>
#include <cmath>
#include <numbers>
#include <random>

namespace purzo::test {
namespace {

constexpr int kWidth = 640, kHeight = 360;
constexpr double kPixelsPerMetre = 80;
constexpr double kFloorY = 340;     // pixels, before the roll
constexpr double kTakeoffXPx = 150; // the centre of mass at the take-off
constexpr double kStickXPx = 60;
constexpr double kStandingS = 0.25;   // on the floor before the take-off
constexpr double kAfterS = 0.15;      // still on the floor after the touchdown
constexpr double kStepS = 1e-4;       // the turn's integration step
constexpr double kTransitionS = 0.15; // limbs from one posture to another

struct Pose {
    std::array<ScenePoint, kJointCount> points; // x and height, m
    double lowestM = 0;
};

LimbDirections Mix(const LimbDirections& a, const LimbDirections& b, double f) {
    return {a.upperArmAngle + (b.upperArmAngle - a.upperArmAngle) * f,
            a.forearmAngle + (b.forearmAngle - a.forearmAngle) * f,
            a.thighAngle + (b.thighAngle - a.thighAngle) * f,
            a.shankAngle + (b.shankAngle - a.shankAngle) * f};
}

class TrueFlight {
public:
    explicit TrueFlight(const JumpScene& s) : scene_(s), body_(MassiveBodyOf(s.athlete)) {
        takeoffHeightM_ = ExactTakeoffHeightM(body_.lengths);
        momentum_ = TakeoffAngularMomentumKgM2PerS(s.athlete);
    }
    double takeoffHeightM() const { return takeoffHeightM_; }

    // The shape τ seconds after the take-off, and how fast it changes.
    LimbDirections shape(double tau, LimbRates* rates = nullptr) const {
        const LimbDirections stretched = LimbDirectionsFor(kFirstPosture);
        const LimbDirections tucked = LimbDirectionsFor(scene_.tuck.posture);
        double f = 0, df = 0;
        const double in = tau - scene_.tuck.startS;
        const double out = tau - (scene_.tuck.startS + scene_.tuck.lengthS);
        if (scene_.tuck.lengthS > 0) {
            if (in > 0 && in < kTransitionS) {
                f = in / kTransitionS;
                df = 1 / kTransitionS;
            } else if (out > 0 && out < kTransitionS) {
                f = 1 - out / kTransitionS;
                df = -1 / kTransitionS;
            } else if (in >= kTransitionS && out <= 0) {
                f = 1;
            }
        }
        if (rates) {
            *rates = {(tucked.upperArmAngle - stretched.upperArmAngle) * df,
                      (tucked.forearmAngle - stretched.forearmAngle) * df,
                      (tucked.thighAngle - stretched.thighAngle) * df,
                      (tucked.shankAngle - stretched.shankAngle) * df};
        }
        return Mix(stretched, tucked, f);
    }

    // The turn τ seconds after the take-off, rad: dθ/dt = (L − H)/I, Simpson's rule per step.
    double turn(double tau) {
        auto rate = [&](double t) {
            LimbRates rates;
            const LimbDirections limbs = shape(t, &rates);
            const ShapeMotion m = ShapeMotionOf(body_, limbs, rates);
            return (momentum_ - m.shapeMomentumKgM2PerS) / m.inertiaKgM2;
        };
        while (turnS_ + kStepS <= tau) {
            turn_ +=
                kStepS / 6 * (rate(turnS_) + 4 * rate(turnS_ + kStepS / 2) + rate(turnS_ + kStepS));
            turnS_ += kStepS;
        }
        const double rest = tau - turnS_;
        return turn_ + rest / 6 * (rate(turnS_) + 4 * rate(turnS_ + rest / 2) + rate(tau));
    }

    Pose pose(double tau) {
        const double a = scene_.angleDeg * std::numbers::pi / 180;
        const double vx = scene_.speedMPerS * std::cos(a), vh = scene_.speedMPerS * std::sin(a);
        tau = std::max(tau, 0.0);
        const ScenePoint centre{vx * tau, takeoffHeightM_ + vh * tau - kGravity / 2 * tau * tau};
        const Point canvas{centre.xM * kUnitsPerMetre,
                           kCanvasHeight - centre.heightM * kUnitsPerMetre};
        const Figure f = PlaceAboutCentreOfMass(body_.lengths, shape(tau), turn(tau), canvas);
        auto scene = [](Point p) {
            return ScenePoint{p.x / kUnitsPerMetre, (kCanvasHeight - p.y) / kUnitsPerMetre};
        };
        Pose pose;
        pose.points = {scene(f.head),  scene(f.shoulder()), scene(f.elbow()), scene(f.hand()),
                       scene(f.hip()), scene(f.knee()),     scene(f.foot())};
        pose.lowestM =
            (kCanvasHeight - LowestContact(f, body_.lengths.headRadius).y) / kUnitsPerMetre;
        return pose;
    }

private:
    JumpScene scene_;
    MassiveBody body_;
    double takeoffHeightM_ = 0;
    double momentum_ = 0;
    double turn_ = 0, turnS_ = 0;
};

struct Picture {
    std::vector<unsigned char> rgb = std::vector<unsigned char>(kWidth * kHeight * 3);
    void dot(double cx, double cy, double r, const unsigned char* c) {
        for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y) {
            for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x) {
                if (x >= 0 && y >= 0 && x < kWidth && y < kHeight &&
                    std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) {
                    std::copy(c, c + 3, rgb.begin() + (y * kWidth + x) * 3);
                }
            }
        }
    }
    void line(PixelPoint a, PixelPoint b, double width, const unsigned char* c) {
        const int steps = int(std::hypot(b.x - a.x, b.y - a.y)) + 1;
        for (int i = 0; i <= steps; ++i) {
            const double f = double(i) / steps;
            dot(a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, width / 2, c);
        }
    }
};

} // namespace

QString MarkersOption() {
    QStringList items;
    for (const Joint j : kJoints) {
        items << QString::fromLatin1(JointName(j).data(), qsizetype(JointName(j).size())) + '=' +
                     QLatin1String(kMarkerColours[std::size_t(j)]);
    }
    return items.join(',');
}

namespace {

RenderedJump Jump(const JumpScene& scene, const QString& directory, const QString& name,
                  bool encode) {
    TrueFlight flight(scene);
    RenderedJump out;
    out.takeoffHeightM = flight.takeoffHeightM();
    const double renderRate =
        scene.variableRate ? 4 * scene.framesPerSecond : scene.framesPerSecond;
    // The take-off falls inside a frame interval, not on a frame.
    out.takeoffS = kStandingS + 0.37 / renderRate;
    // The touchdown: the first moment the lowest point is back on the floor.
    double down = 0.2;
    while (flight.pose(down).lowestM > 0 && down < 3) {
        down += 1e-3;
    }
    double lo = down - 1e-3, hi = down;
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        (flight.pose(mid).lowestM > 0 ? lo : hi) = mid;
    }
    out.touchdownS = out.takeoffS + hi;
    TrueFlight drawn(scene); // its turn integrates forward from the start again
    const double roll = scene.rollDeg * std::numbers::pi / 180;
    auto pixels = [&](ScenePoint p) {
        const double x = kTakeoffXPx + p.xM * kPixelsPerMetre - kWidth / 2.0;
        const double y = kFloorY - p.heightM * kPixelsPerMetre - kHeight / 2.0;
        return PixelPoint{kWidth / 2.0 + x * std::cos(roll) - y * std::sin(roll),
                          kHeight / 2.0 + x * std::sin(roll) + y * std::cos(roll)};
    };
    const ScenePoint stickFoot{(kStickXPx - kTakeoffXPx) / kPixelsPerMetre, 0};
    const PixelPoint foot = pixels(stickFoot), top = pixels({stickFoot.xM, 1.0});
    out.stickPx = {foot.x, foot.y, top.x, top.y};

    const QString file = directory + '/' + name + (scene.vp9 ? ".webm" : ".mp4");
    QStringList args{"-y",
                     "-loglevel",
                     "error",
                     "-f",
                     "rawvideo",
                     "-pix_fmt",
                     "rgb24",
                     "-s",
                     QStringLiteral("%1x%2").arg(kWidth).arg(kHeight),
                     "-r",
                     QString::number(renderRate),
                     "-i",
                     "-"};
    if (scene.variableRate) {
        // Drops every fourth frame and a few more, so that the spacing varies.
        args << "-vf"
             << "select='not(eq(mod(n\\,4)\\,1))*not(eq(mod(n\\,7)\\,3))'"
             << "-fps_mode"
             << "vfr";
    }
    if (scene.vp9) {
        args << "-c:v"
             << "libvpx-vp9"
             << "-deadline"
             << "realtime"
             << "-cpu-used"
             << "8"
             << "-b:v"
             << "400k";
    } else {
        args << "-c:v"
             << "libx264"
             << "-preset"
             << "veryfast"
             << "-crf"
             << "20"
             << "-pix_fmt"
             << "yuv420p";
    }
    args << file;
    QProcess ffmpeg;
    if (encode) {
        ffmpeg.start(QStringLiteral("ffmpeg"), args);
        if (!ffmpeg.waitForStarted()) {
            return out;
        }
    }
    std::mt19937 random(20261211);
    std::normal_distribution<double> grey(90, scene.noise);
    const double endS = out.touchdownS + kAfterS;
    const unsigned char stickColour[3] = {255, 255, 255}, floorColour[3] = {40, 40, 40};
    const unsigned char limbColour[3] = {200, 200, 200};
    for (int n = 0; n / renderRate <= endS; ++n) {
        const double t = n / renderRate;
        const double tau = std::min(t, out.touchdownS) - out.takeoffS;
        const Pose pose = drawn.pose(tau);
        const bool kept = !scene.variableRate || (n % 4 != 1 && n % 7 != 3);
        std::array<PixelPoint, kJointCount> p;
        for (std::size_t j = 0; j < p.size(); ++j) {
            p[j] = pixels(pose.points[j]);
        }
        if (kept) {
            out.timesS.push_back(t);
            out.hipPx.push_back(p[std::size_t(Joint::Hip)]);
            out.airborne.push_back(t > out.takeoffS && t < out.touchdownS);
            FrameMarks& marks = out.marks.emplace_back();
            for (std::size_t j = 0; j < p.size(); ++j) {
                marks[j] = p[j];
            }
        }
        if (!encode) {
            continue;
        }
        Picture picture;
        for (unsigned char& c : picture.rgb) {
            c = static_cast<unsigned char>(std::clamp(grey(random), 0.0, 255.0));
        }
        picture.line(pixels({-3, -0.03}), pixels({8, -0.03}), 4, floorColour);
        picture.line(foot, top, 3, stickColour);
        using J = Joint;
        for (const auto& [a, b] : {std::pair{J::Hip, J::Shoulder},
                                   {J::Shoulder, J::Elbow},
                                   {J::Elbow, J::Hand},
                                   {J::Hip, J::Knee},
                                   {J::Knee, J::Foot},
                                   {J::Shoulder, J::Head}}) {
            picture.line(p[std::size_t(a)], p[std::size_t(b)], 2, limbColour);
        }
        for (std::size_t j = 0; j < p.size(); ++j) {
            const unsigned value = QString::fromLatin1(kMarkerColours[j] + 1).toUInt(nullptr, 16);
            const unsigned char c[3] = {static_cast<unsigned char>(value >> 16),
                                        static_cast<unsigned char>(value >> 8),
                                        static_cast<unsigned char>(value)};
            picture.dot(p[j].x, p[j].y, 5, c);
        }
        if (scene.noisyMarkers) {
            std::normal_distribution<double> grain(0, scene.noise);
            for (unsigned char& c : picture.rgb) {
                c = static_cast<unsigned char>(std::clamp(c + grain(random), 0.0, 255.0));
            }
        }
        ffmpeg.write(reinterpret_cast<const char*>(picture.rgb.data()), qint64(picture.rgb.size()));
        ffmpeg.waitForBytesWritten(-1);
    }
    if (!encode) {
        return out;
    }
    ffmpeg.closeWriteChannel();
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0) {
        return out;
    }
    out.file = file;
    return out;
}

} // namespace

RenderedJump RenderJump(const JumpScene& scene, const QString& directory, const QString& name) {
    return Jump(scene, directory, name, true);
}

RenderedJump TraceJump(const JumpScene& scene) {
    return Jump(scene, {}, {}, false);
}

} // namespace purzo::test
