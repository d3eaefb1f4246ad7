#!/bin/sh
# The built-in example: measure a few symbols with the barsize tool, then
# write the gallery of every symbology.
set -u
tool=${1:-build/cli/barsize}
out=${2:-gallery}
run() {
  echo "\$ barsize $*"
  "$tool" "$@" || echo "  (refused: exit $?)"
  echo
}
run width code128 '{BHello, printer' --module 2 --hri 2
run width ean13 590123412345 --module 3 --hri 2 --measure bars
run qr 'https://example.com/receipt/12345' --module 4 --level M
run pdf417 'Receipt 12345, total 42.00' --module 2
run databar expanded-stacked '(01)09501101530003(3103)001750' --module 2 --row-width 300
echo "\$ barsize gallery $out"
"$tool" gallery "$out"
echo "open $out/index.html to see every symbology"
