// SPDX-License-Identifier: MIT
// The two languages of the texts written without Qt: the workbooks and the trace tool's.
#pragma once

namespace purzo {

enum class TextLanguage { German, English };

} // namespace purzo
