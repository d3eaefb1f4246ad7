// UPC-E zero suppression: ten rules over the first 11 UPC-A digits, tried
// in order. 'x' matches any digit and is kept; any other character must be
// that digit. The UPC-E number is the kept digits followed by the rule's
// index.
#pragma once

namespace barsize::linear {

constexpr char kUpcEZeroSuppression[10][12] = {
    "0xx00000xxx", "0xx10000xxx", "0xx20000xxx", "0xxx00000xx", "0xxxx00000x",
    "0xxxxx00005", "0xxxxx00006", "0xxxxx00007", "0xxxxx00008", "0xxxxx00009",
};

}  // namespace barsize::linear
