// SPDX-License-Identifier: MIT
// The figure's seven points by name, in the window's language: "Kopf", "Schulter", ….
#pragma once

#include "video/body_marks.h"

#include <QString>

namespace purzo {

QString JointText(Joint joint);

} // namespace purzo
