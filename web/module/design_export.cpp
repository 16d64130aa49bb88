// SPDX-License-Identifier: MIT
// The design as a plain JavaScript object.
#include "design_export.h"

#include "body/canvas_units.h"
#include "body/posture_table.h"
#include "design/arrow_keys.h"
#include "design/canvas_design.h"
#include "design/control_table.h"
#include "design/lesson_menu_design.h"
#include "design/posture_strip.h"
#include "flight/flight_constants.h"
#include "flight/pace.h"

namespace purzo::web {
namespace {

using emscripten::val;

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Canvas:
        return "canvas";
    case ControlKind::ScrollBar:
        return "scrollBar";
    case ControlKind::TextBox:
        return "textBox";
    case ControlKind::Button:
        return "button";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::Option:
        return "option";
    case ControlKind::PictureBox:
        return "pictureBox";
    }
    return "";
}

const char* FaceName(Face face) {
    switch (face) {
    case Face::MsSansSerif:
        return "msSansSerif";
    case Face::Arial:
        return "arial";
    case Face::ArialBlack:
        return "arialBlack";
    }
    return "";
}

val Colour(Rgb rgb) {
    return rgb == kSystemColour ? val::null() : val(rgb);
}

val RectValue(double left, double top, double width, double height) {
    val rect = val::object();
    rect.set("left", left);
    rect.set("top", top);
    rect.set("width", width);
    rect.set("height", height);
    return rect;
}

val Control(const ControlDesign& c) {
    val control = val::object();
    control.set("name", val(c.name));
    control.set("kind", val(KindName(c.kind)));
    control.set("rectTwips", RectValue(c.rect.left, c.rect.top, c.rect.width, c.rect.height));
    control.set("text", val(std::string(c.text)));
    val font = val::object();
    font.set("face", val(FaceName(c.font.face)));
    font.set("pointSize", c.font.pointSize);
    font.set("bold", c.font.bold);
    control.set("font", font);
    control.set("colour", Colour(c.colour));
    control.set("background", Colour(c.background));
    control.set("centred", c.centred);
    control.set("tabIndex", c.tabIndex);
    control.set("inFrame", c.inFrame);
    return control;
}

val KeyRectValue(ArrowKey key) {
    const KeyRect r = ArrowKeyRect(key);
    return RectValue(r.left, r.top, r.width, r.height);
}

val MenuEntryValue(const MenuEntryDesign& e) {
    static constexpr const char* kKinds[] = {"tool", "action", "model", "separator"};
    static constexpr const char* kEnabled[] = {"always", "flightEnded", "canReplay", "canPause",
                                               "canStep"};
    val entry = val::object();
    entry.set("kind", val(kKinds[int(e.kind)]));
    entry.set("name", val(e.name));
    entry.set("text", val(e.text));
    entry.set("target", val(e.target));
    entry.set("shortcut", val(*e.pageShortcut ? e.pageShortcut : e.shortcut));
    entry.set("enabled", val(kEnabled[int(e.enabled)]));
    return entry;
}

} // namespace

val DesignForPage() {
    val design = val::object();
    val controls = val::array();
    for (const ControlDesign& c : ControlTable()) {
        controls.call<void>("push", Control(c));
    }
    design.set("controls", controls);
    val menu = val::array();
    for (const MenuEntryDesign& e : LessonMenuEntries()) {
        menu.call<void>("push", MenuEntryValue(e));
    }
    design.set("lessonMenu", menu);
    design.set("twipsPerPixel", kTwipsPerPixel);
    design.set("clientWidthPx", kDesignClientWidthPx);
    design.set("clientHeightPx", kDesignClientHeightPx);

    val keys = val::object();
    keys.set("widthPx", kArrowKeysWidthPx);
    keys.set("heightPx", kArrowKeysHeightPx);
    keys.set("left", KeyRectValue(ArrowKey::Left));
    keys.set("right", KeyRectValue(ArrowKey::Right));
    keys.set("up", KeyRectValue(ArrowKey::Up));
    keys.set("down", KeyRectValue(ArrowKey::Down));
    design.set("arrowKeys", keys);

    val canvas = val::object();
    canvas.set("widthUnits", kCanvasWidth);
    canvas.set("heightUnits", kCanvasHeight);
    canvas.set("borderPx", kCanvasBorderPx);
    canvas.set("figurePenPx", kFigurePenPx);
    canvas.set("areaWidthPx", kCanvasAreaWidthPx);
    canvas.set("areaHeightPx", kCanvasAreaHeightPx);
    canvas.set("wholeView",
               RectValue(kWholeView.left, kWholeView.top, kWholeView.width, kWholeView.height));
    canvas.set("hallRowsPerGround", kHallRowsPerGround);
    canvas.set("pathColour", double(kPathColour));
    canvas.set("sequenceColour", double(kSequenceColour));
    canvas.set("pathPenPx", kPathPenPx);
    canvas.set("pathMarkerRadiusPx", kPathMarkerRadiusPx);
    canvas.set("panelFontPt", kPanelFontPt);
    canvas.set("panelMarginPx", kPanelMarginPx);
    canvas.set("presentationTextFactor", kPresentationTextFactor);
    canvas.set("panelBackground", double(kPanelBackground));
    canvas.set("panelBorder", double(kPanelBorder));
    val styles = val::array();
    for (const FlightStyle& style : kShownFlightStyles) {
        val entry = val::object();
        entry.set("colour", double(style.colour));
        entry.set("marker", int(style.marker));
        entry.set("dash", int(style.dash));
        styles.call<void>("push", entry);
    }
    canvas.set("shownStyles", styles);
    canvas.set("shownMarkerRadiusPx", kShownMarkerRadiusPx);
    canvas.set("shownLabelPt", kShownLabelPt);
    canvas.set("unitsPerMetre", int(kUnitsPerMetre));
    design.set("canvas", canvas);

    // A flight's chosen postures as a strip: each posture's shade and each frame's mark.
    val strip = val::object();
    val shades = val::array();
    for (int p = kFirstPosture; p <= kLastPosture; ++p) {
        shades.call<void>("push", double(PostureShade(p)));
    }
    strip.set("shades", shades);
    strip.set("markPx", kPostureStripMarkPx);
    strip.set("gapPx", kPostureStripGapPx);
    design.set("postureStrip", strip);

    val takeoff = val::object();
    takeoff.set("minSpeed", kMinSpeed);
    takeoff.set("maxSpeed", kMaxSpeed);
    takeoff.set("minAngle", kMinAngle);
    takeoff.set("maxAngle", kMaxAngle);
    takeoff.set("standardSpeed", kStandardSpeed);
    takeoff.set("standardAngle", kStandardAngle);
    takeoff.set("designSpeed", kDesignSpeed);
    takeoff.set("designAngle", kDesignAngle);
    takeoff.set("firstPosture", kFirstPosture);
    takeoff.set("lastPosture", kLastPosture);
    design.set("takeoff", takeoff);

    val paces = val::array();
    for (const Pace pace : {Pace::RealTime, Pace::SlowMotion, Pace::ExtremeSlowMotion}) {
        paces.call<void>("push", FrameDelayMs(pace));
    }
    design.set("frameDelayMs", paces);
    return design;
}

} // namespace purzo::web
