#!/usr/bin/env bash
# Includes name their layer and point downwards only: body/ below flight/ below design/ below
# window/, and none of the three lower layers includes Qt.
#   test_layers.sh SRC_DIR
set -euo pipefail
cd "$1"
failed=0
complain() { echo "$1"; failed=1; }

while IFS= read -r line; do
  complain "include without its layer: $line"
done < <(grep -Hn '^#include "' -r body flight design window |
           grep -v '#include "\(body\|flight\|design\|window\)/' || true)
while IFS= read -r line; do
  complain "body/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(flight\|design\|window\)/' -r body || true)
while IFS= read -r line; do
  complain "flight/ includes a layer above it: $line"
done < <(grep -Hn '^#include "\(design\|window\)/' -r flight || true)
while IFS= read -r line; do
  complain "design/ includes the window: $line"
done < <(grep -Hn '^#include "window/' -r design || true)
while IFS= read -r line; do
  complain "Qt below the window: $line"
done < <(grep -Hn '^#include <Q' -r body flight design || true)

if [ "$failed" -ne 0 ]; then
  echo "0 passed, 1 failed"
  exit 1
fi
echo "1 passed, 0 failed"
