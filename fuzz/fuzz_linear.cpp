// getBarCodeWidth and get1DBarCodeWidth with every symbology and every
// argument drawn from the input. Besides the sanitizers' own findings it
// checks that the locked export answers like the unlocked one, that the
// three measures agree (measure 0 is the larger of bars and text), and that
// the DataBar codes ignore the text arguments and size what they draw.
#include <cstdint>

#include "barsize.h"
#include "call_data.h"
#include "databar_passes_check.h"
#include "fuzz_checks.h"
#include "fuzz_input.h"

using namespace barsize::fuzz;

namespace {

constexpr int32_t kSymbologies[15] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 75, 76, 77, 78, 9, 74};

int32_t takeSymbology(FuzzInput &in) {
    const uint8_t pick = takeByte(in) % 16;
    return pick < 15 ? kSymbologies[pick] : takeInt(in);
}

bool isLinearCode(int32_t s) { return s >= 0 && s <= 8; }
bool isDataBarCode(int32_t s) { return s >= 75 && s <= 78; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    FuzzInput in = {bytes, size, 0};
    const int32_t symbology = takeSymbology(in);
    const int32_t moduleWidth = takeInt(in);
    const int32_t hriPosition = takeInt(in);
    const int32_t hriCharWidth = takeInt(in);
    const int32_t measure = takeInt(in);
    const LengthMode mode = takeLengthMode(in);
    const uint32_t extra = takeByte(in) | (static_cast<uint32_t>(takeByte(in)) << 8);
    CallData call = makeCallData(in, mode, extra);
    const char *data = dataPointer(call);

    const int32_t result = getBarCodeWidth(data, call.length, symbology, moduleWidth,
                                           hriPosition, hriCharWidth, measure);
    FUZZ_CHECK(result >= -39);
    FUZZ_CHECK(get1DBarCodeWidth(data, call.length, symbology, moduleWidth, hriPosition,
                                 hriCharWidth, measure) == result);

    if (isDataBarCode(symbology)) {
        if (result >= 0) checkDataBarPassesAgree();
        FUZZ_CHECK(getBarCodeWidth(data, call.length, symbology, moduleWidth, 0, 0, 0) ==
                   result);
    }

    const bool noTextAsked = hriPosition == 0 && measure == 2;
    if (isLinearCode(symbology) && result >= 0 && !noTextAsked) {
        const int32_t bars =
            getBarCodeWidth(data, call.length, symbology, moduleWidth, hriPosition, hriCharWidth, 1);
        const int32_t text =
            getBarCodeWidth(data, call.length, symbology, moduleWidth, hriPosition, hriCharWidth, 2);
        const int32_t larger =
            getBarCodeWidth(data, call.length, symbology, moduleWidth, hriPosition, hriCharWidth, 0);
        FUZZ_CHECK(bars > 0);
        if (hriPosition == 0) {
            FUZZ_CHECK(text == 0);
            FUZZ_CHECK(larger == bars);
        } else {
            FUZZ_CHECK(text >= 0);
            FUZZ_CHECK(larger == (bars >= text ? bars : text));
        }
    }
    freeCallData(call);
    return 0;
}
