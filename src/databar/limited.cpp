// DataBar Limited: a 13-digit item number below 2,000,000,000,000 in one row
// of 74 modules: two 26-module characters around an 18-module check character.
#include "databar/limited.h"

#include "databar/element_widths.h"
#include "databar/limited_tables.h"

namespace barsize::databar {

namespace {

// One character of value 0 to 2,013,570 at widths[first .. first + 13]:
// the first set on the even positions, the second set on the odd ones.
void encodeLimitedCharacter(uint32_t value, uint8_t *widths) {
    int32_t group = 0;
    while (group < 6 && value >= static_cast<uint32_t>(kLimitedGroups[group].size)) {
        value -= static_cast<uint32_t>(kLimitedGroups[group].size);
        ++group;
    }
    const LimitedGroup &g = kLimitedGroups[group];
    const uint32_t divisor = static_cast<uint32_t>(g.divisor);
    const ElementWidthSet first = elementWidths(static_cast<int32_t>(value / divisor),
                                                g.firstModules, 7, g.firstWidest, true);
    const ElementWidthSet second = elementWidths(static_cast<int32_t>(value % divisor),
                                                 g.secondModules, 7, g.secondWidest, false);
    for (int32_t i = 0; i < 7; ++i) {
        widths[2 * i] = static_cast<uint8_t>(first.widths[i]);
        widths[2 * i + 1] = static_cast<uint8_t>(second.widths[i]);
    }
}

}  // namespace

int32_t encodeLimitedElements(const char *digits13, LimitedElements &elements) {
    const uint64_t value = decimalValue(digits13, 13);
    if (value > kLimitedLargestValue) return kEngineDataTooLarge;
    const WideQuotient halves = divideWide(value, kLimitedCharacterValues);
    encodeLimitedCharacter(static_cast<uint32_t>(halves.quotient), elements.widths);
    encodeLimitedCharacter(halves.remainder, elements.widths + 28);

    // Element k of the two characters weighs 3^k mod 89.
    int32_t checksum = 0;
    int32_t weight = 1;
    for (int32_t k = 0; k < 28; ++k) {
        const int32_t position = k < 14 ? k : k + 14;
        checksum = (checksum + weight * elements.widths[position]) % kLimitedChecksumModulus;
        weight = weight * 3 % kLimitedChecksumModulus;
    }
    for (int32_t i = 0; i < 14; ++i) elements.widths[14 + i] = kLimitedCheckPatterns[checksum][i];
    return 0;
}

void buildLimitedSymbol(DataBarRequest &request) {
    EngineState &engine = engineState();
    int32_t length = 0;
    while (engine.workData[length] != 0) ++length;
    if (length >= 14) {
        engine.status = kEngineDataLength;
        return;
    }
    // The last 13 characters, zeros on the left.
    char digits[13];
    for (int32_t i = 0; i < 13; ++i) {
        const int32_t from = length - 13 + i;
        digits[i] = from >= 0 ? engine.workData[from] : '0';
    }
    LimitedElements elements{};
    const int32_t status = encodeLimitedElements(digits, elements);
    if (status != 0) {
        engine.status = status;
        return;
    }

    const int64_t module = request.pixelsPerModule;
    setSymbolSize(request, kLimitedModules * module, int64_t{request.rowHeight} * module);
    if (!beginDrawing(request)) return;

    ElementRow row{};
    row.elementCount = kLimitedElementCount;
    row.guards = 1;
    row.lineCount = static_cast<int32_t>(int64_t{request.rowHeight} * module);
    row.lightFirst = 1;
    row.widths = elements.widths;
    printElementRow(request, row);
}

}  // namespace barsize::databar
