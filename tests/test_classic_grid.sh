#!/usr/bin/env bash
# The classic model is the program as designed, to the last bit: purzo-trace over a grid of
# 1140 flights (take-offs across the range, ten posture lists, and texts as students type them)
# must print exactly what the program printed before the exact model came beside it, whose
# SHA-256 is recorded in classic_grid.sha256.
#   test_classic_grid.sh PURZO_TRACE SOURCE_TESTS_DIR
set -euo pipefail
trace="$1"
expected=$(cut -d' ' -f1 "$2/classic_grid.sha256")

grid() {
  for v in 4 4.5 5 5.5 6 6.5 7 7.5 8; do
    for a in 30 33 37 40 45 50 55 60 65 70 75 80; do
      for p in 1 7 4 1,1,7 1,2,3,4,5,6,7 7,7,7,1 1,1,1,1,1,1,7,7,7,7,1 3,5,2,6,1,7 5 1,7,1,7,1,7; do
        echo "== $v $a $p"
        "$trace" --speed $v --angle $a --postures $p 2>&1
      done
    done
  done
  for v in "6,5" " 7.25 " "+5" "-5" "9" "3,9" "abc" "" "8,0" "4.0000001"; do
    for a in "60" "29" "81" "45,5" " 30 " "x"; do
      echo "== [$v] [$a]"
      "$trace" --speed "$v" --angle "$a" --postures 1,7 2>&1
    done
  done
}

actual=$(grid | sha256sum | cut -d' ' -f1)
if [ "$actual" != "$expected" ]; then
  echo "the classic grid changed: sha256 $actual, expected $expected"
  echo "0 passed, 1 failed"
  exit 1
fi
echo "1 passed, 0 failed"
