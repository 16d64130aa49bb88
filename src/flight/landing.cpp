// SPDX-License-Identifier: MIT
// The landing's verdict from the touchdown frame alone.
#include "flight/landing.h"

#include <cmath>

namespace purzo {

std::string_view VerdictCode(Verdict verdict) {
    switch (verdict) {
    case Verdict::Upright:
        return "upright";
    case Verdict::TooFar:
        return "too-far";
    case Verdict::TooShort:
        return "too-short";
    case Verdict::NotOnFeet:
        return "not-on-feet";
    }
    return "";
}

std::optional<Verdict> VerdictFromCode(std::string_view code) {
    for (const Verdict v :
         {Verdict::Upright, Verdict::TooFar, Verdict::TooShort, Verdict::NotOnFeet}) {
        if (VerdictCode(v) == code) {
            return v;
        }
    }
    return std::nullopt;
}

const char* VerdictName(Verdict verdict, TextLanguage language) {
    const bool english = language == TextLanguage::English;
    switch (verdict) {
    case Verdict::Upright:
        return english ? "upright" : "aufrecht";
    case Verdict::TooFar:
        return english ? "turned too far" : "zu weit gedreht";
    case Verdict::TooShort:
        return english ? "turned too little" : "zu wenig gedreht";
    case Verdict::NotOnFeet:
        return english ? "not on the feet" : "nicht auf den Füßen";
    }
    return "";
}

double AttitudeDeg(double rotationDeg) {
    // ceil puts an exact half turn (180°, 540°, …) at +180°, never at −180°.
    return rotationDeg - 360.0 * std::ceil((rotationDeg - 180.0) / 360.0);
}

Verdict VerdictOf(BodyPart firstContact, double attitudeDeg) {
    if (firstContact != BodyPart::Foot) {
        return Verdict::NotOnFeet;
    }
    if (attitudeDeg > kUprightToleranceDeg) {
        return Verdict::TooFar;
    }
    if (attitudeDeg < -kUprightToleranceDeg) {
        return Verdict::TooShort;
    }
    return Verdict::Upright;
}

std::optional<Landing> LandingOf(const FrameResult& frame) {
    if (!frame.landed) {
        return std::nullopt;
    }
    Landing landing;
    landing.rotationDeg = frame.rotationDeg;
    landing.attitudeDeg = AttitudeDeg(frame.rotationDeg);
    landing.firstContact = frame.lowestPart;
    landing.verdict = VerdictOf(landing.firstContact, landing.attitudeDeg);
    return landing;
}

Tuck TuckOf(std::span<const FrameResult> frames) {
    Tuck tuck;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].posture >= kFirstTuckedPosture) {
            if (!tuck.startS) {
                tuck.startS = frames[i].timeS;
            }
            if (i + 1 < frames.size()) {
                tuck.tuckedS += frames[i + 1].timeS - frames[i].timeS;
            }
        }
    }
    return tuck;
}

} // namespace purzo
