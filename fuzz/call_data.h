// The data buffer handed to an export, sized so that AddressSanitizer
// catches any read past what the library may use: with the exact length the
// buffer ends at the last byte; with a length beyond the data the bytes are
// followed by zero bytes (a terminator the element-string reader may stop at)
// up to the 13 digits the stacked DataBar types read from a long buffer.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_input.h"

namespace barsize::fuzz {

constexpr size_t kPaddedMinimum = 14;

// Lengths no buffer of the harness holds: each must be refused, or cut to
// what the library actually reads (13 digits for stacked DataBar, up to the
// terminator for element strings).
constexpr uint32_t kHugeLengths[] = {0,      65535,       65536,       65536 * 2 - 1,
                                     65534,  65533,       0x7FFFFFFFu, 0x80000000u,
                                     0xFFFFFFFFu, 0xFFFF0000u};
constexpr size_t kHugeLengthCount = sizeof kHugeLengths / sizeof kHugeLengths[0];

struct CallData {
    uint8_t *buffer;  // malloc'd, exactly `allocated` bytes
    size_t allocated;
    int32_t length;   // the length argument
};

// The rest of `in` becomes the data; the mode decides the length argument.
inline CallData makeCallData(FuzzInput &in, LengthMode mode, uint32_t extra) {
    const uint8_t *rest = in.bytes + in.at;
    const size_t n = in.size - in.at;
    in.at = in.size;
    CallData call = {};
    if (mode == kLengthExact) {
        call.allocated = n;
        call.length = static_cast<int32_t>(n);
    } else {
        call.allocated = n + 1 < kPaddedMinimum ? kPaddedMinimum : n + 1;
        call.length = mode == kLengthHighBits
                          ? static_cast<int32_t>(static_cast<uint32_t>(n) +
                                                 65536u * (1u + (extra & 0x7FFF)))
                          : static_cast<int32_t>(kHugeLengths[extra % kHugeLengthCount]);
    }
    // Under AddressSanitizer malloc(0) gives a block with no usable byte, so
    // an empty exact buffer may not be read at all.
    call.buffer = static_cast<uint8_t *>(std::malloc(call.allocated));
    if (call.buffer == nullptr) call.buffer = static_cast<uint8_t *>(std::malloc(1));
    if (call.allocated != 0) std::memset(call.buffer, 0, call.allocated);
    if (n != 0) std::memcpy(call.buffer, rest, n);
    return call;
}

inline const char *dataPointer(const CallData &call) {
    return reinterpret_cast<const char *>(call.buffer);
}

inline void freeCallData(CallData &call) { std::free(call.buffer); }

}  // namespace barsize::fuzz
