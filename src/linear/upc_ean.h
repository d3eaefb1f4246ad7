// Shared steps of the UPC/EAN encoders.
#pragma once

#include <cstdint>

namespace barsize::linear {

// GS1 check digit over count digit values (weight 3 on the rightmost).
int gs1CheckDigit(const uint8_t *digits, int count);

// The six-digit UPC-E number of the first 11 UPC-A digits (values 0 to 9),
// written to upcE; false when no zero-suppression rule matches.
bool suppressZeros(const uint8_t *upcA, uint8_t upcE[6]);

}  // namespace barsize::linear
