// SPDX-License-Identifier: MIT
#include "window/video/joint_text.h"

#include <QCoreApplication>
#include <array>

namespace purzo {
namespace {

constexpr std::array<const char*, kJointCount> kJointTexts{
    QT_TRANSLATE_NOOP("purzo::JointText", "Kopf"),
    QT_TRANSLATE_NOOP("purzo::JointText", "Schulter"),
    QT_TRANSLATE_NOOP("purzo::JointText", "Ellbogen"),
    QT_TRANSLATE_NOOP("purzo::JointText", "Hand"),
    QT_TRANSLATE_NOOP("purzo::JointText", "Hüfte"),
    QT_TRANSLATE_NOOP("purzo::JointText", "Knie"),
    QT_TRANSLATE_NOOP("purzo::JointText", "Fuß")};

} // namespace

QString JointText(Joint joint) {
    return QCoreApplication::translate("purzo::JointText", kJointTexts[std::size_t(joint)]);
}

} // namespace purzo
