#!/usr/bin/env bash
# Includes name their layer and point downwards only: body/ below flight/, then design/,
# workbook/ and video/ beside each other, below window/; nothing below the window includes Qt.
#   test_layers.sh SRC_DIR
set -euo pipefail
cd "$1"
failed=0
complain() { echo "$1"; failed=1; }

while IFS= read -r line; do
  complain "include without its layer: $line"
done < <(grep -Hn '^#include "' -r body flight design workbook video window |
           grep -v '#include "\(body\|flight\|design\|workbook\|video\|window\)/' || true)
while IFS= read -r line; do
  complain "body/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(flight\|design\|workbook\|video\|window\)/' -r body || true)
while IFS= read -r line; do
  complain "flight/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(design\|workbook\|video\|window\)/' -r flight || true)
while IFS= read -r line; do
  complain "video/ includes a layer beside or above it: $line"
done < <(grep -Hn '^#include "\(design\|workbook\|window\)/' -r video || true)
while IFS= read -r line; do
  complain "design/ includes the window: $line"
done < <(grep -Hn '^#include "\(workbook\|video\|window\)/' -r design || true)
while IFS= read -r line; do
  complain "workbook/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(design\|video\|window\)/' -r workbook || true)
while IFS= read -r line; do
  complain "Qt below the window: $line"
done < <(grep -Hn '^#include <Q' -r body flight design workbook video || true)

if [ "$failed" -ne 0 ]; then
  echo "0 passed, 1 failed"
  exit 1
fi
echo "1 passed, 0 failed"
