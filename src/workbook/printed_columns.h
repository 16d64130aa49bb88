// SPDX-License-Identifier: MIT
// A sheet's columns sized for printing one page wide at 9 pt and more: each as wide as its
// widest value and its header's longest word, texts in wrapping columns on more lines, and each
// row of wrapped texts as high as its lines.
#pragma once

#include "workbook/flight_sheet.h"

namespace purzo {

void FitColumnsForPrint(FlightSheet& sheet);

} // namespace purzo
