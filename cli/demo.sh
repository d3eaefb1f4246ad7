#!/bin/sh
# The built-in example: measure and draw a few symbols with the barsize tool.
set -u
tool=${1:-build/cli/barsize}
out=${2:-demo}
mkdir -p "$out"
run() {
  echo "\$ barsize $*"
  "$tool" "$@" || echo "  (refused: exit $?)"
  echo
}
run width code128 '{BHello, printer' --module 2 --hri 2
run width ean13 590123412345 --module 3 --hri 2 --measure bars
run render code128 '{BHello, printer' --module 2 -o "$out/code128.png"
run qr 'https://example.com/receipt/12345' --module 4 --level M -o "$out/qr.png"
run pdf417 'Receipt 12345, total 42.00' --module 2 -o "$out/pdf417.png"
run databar stacked-omni 0001234567890 --module 2 -o "$out/databar.png"
echo "pictures in $out/"
