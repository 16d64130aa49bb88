#!/usr/bin/env bash
# Includes name their layer and point downwards only: body/ below flight/, then design/ and
# workbook/ beside each other, below window/; nothing below the window includes Qt.
#   test_layers.sh SRC_DIR
set -euo pipefail
cd "$1"
failed=0
complain() { echo "$1"; failed=1; }

while IFS= read -r line; do
  complain "include without its layer: $line"
done < <(grep -Hn '^#include "' -r body flight design workbook window |
           grep -v '#include "\(body\|flight\|design\|workbook\|window\)/' || true)
while IFS= read -r line; do
  complain "body/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(flight\|design\|workbook\|window\)/' -r body || true)
while IFS= read -r line; do
  complain "flight/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(design\|workbook\|window\)/' -r flight || true)
while IFS= read -r line; do
  complain "design/ includes the window: $line"
done < <(grep -Hn '^#include "\(workbook\|window\)/' -r design || true)
while IFS= read -r line; do
  complain "workbook/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(design\|window\)/' -r workbook || true)
while IFS= read -r line; do
  complain "Qt below the window: $line"
done < <(grep -Hn '^#include <Q' -r body flight design workbook || true)

if [ "$failed" -ne 0 ]; then
  echo "0 passed, 1 failed"
  exit 1
fi
echo "1 passed, 0 failed"
