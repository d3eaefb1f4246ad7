// One table of calls across every family, and what a call answers, so the
// robustness tests can run the same calls in any order, from any thread, in
// a fresh process, and compare.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "barsize.h"

namespace barsize::test {

enum class CallKind { Linear, TwoD };

struct CallCase {
    const char *name;
    CallKind kind;
    int32_t symbology;
    int32_t subtype;             // 2D only
    uint16_t fields[7];          // 2D parameter record (as many fields as it has)
    int32_t linearArgs[4];       // moduleWidth, hriPosition, hriCharWidth, measure
    std::string data;
};

// Everything a call reports: the result, and for 2D calls the status, the
// reported dots, the record (pixels left out) and a digest of the pixels
// inside the image (bits past the image's width carry no meaning).
struct CallAnswer {
    int32_t result = 0;
    int16_t status = 0, width = 0, height = 0;
    uint16_t imageFields[10] = {};
    uint64_t pixelDigest = 0;
    bool operator==(const CallAnswer &other) const;
};

std::string describe(const CallAnswer &answer);

// Cases of every symbology: successes, data errors and parameter errors.
const std::vector<CallCase> &callCases();

// Through the unlocked exports (getBarCodeWidth, getBarCodeWidth2D).
CallAnswer runUnlocked(const CallCase &c);

// The same with other data and length arguments.
CallAnswer runUnlockedWith(const CallCase &c, const char *data, int32_t length);

// Through the locked exports (get1DBarCodeWidth, get2DBarCodeWidth); the
// pixel digest is taken from the caller-owned copy, which no other call can
// change.
CallAnswer runLocked(const CallCase &c);

// The pixel digest of a raster.
uint64_t pixelDigest(const uint8_t *bytes, uint32_t width, uint32_t rows, uint32_t bytesPerRow);

}  // namespace barsize::test
