#include "call_cases.h"

#include <cstring>
#include <sstream>

namespace barsize::test {

namespace {

CallCase linearCase(const char *name, int32_t symbology, int32_t moduleWidth, int32_t hriPosition,
                    int32_t measure, std::string data) {
    CallCase c{name, CallKind::Linear, symbology, 0, {}, {moduleWidth, hriPosition, 0, measure},
               std::move(data)};
    return c;
}

CallCase twoDCase(const char *name, int32_t symbology, int32_t subtype,
                  std::initializer_list<uint16_t> fields, std::string data) {
    CallCase c{name, CallKind::TwoD, symbology, subtype, {}, {}, std::move(data)};
    int i = 0;
    for (uint16_t f : fields) c.fields[i++] = f;
    return c;
}

std::string repeat(const std::string &unit, size_t times) {
    std::string out;
    for (size_t i = 0; i < times; ++i) out += unit;
    return out;
}

std::string allBytes() {
    std::string out;
    for (int i = 0; i < 256; ++i) out += static_cast<char>(i);
    return out;
}

std::vector<CallCase> buildCases() {
    return {
        linearCase("UPC-A", 0, 2, 2, 0, "01234567890"),
        linearCase("UPC-E", 1, 3, 1, 0, "01234500005"),
        linearCase("UPC-E not suppressible", 1, 2, 1, 0, "01234567890"),
        linearCase("EAN-13", 2, 2, 2, 1, "590123412345"),
        linearCase("EAN-8", 3, 4, 0, 0, "9638507"),
        linearCase("EAN-8 letter", 3, 2, 2, 0, "963850A"),
        linearCase("Code 39", 4, 2, 2, 0, "CODE-39 $/+%."),
        linearCase("Code 39 lower case", 4, 2, 2, 0, "abc"),
        linearCase("ITF", 5, 3, 2, 2, "1234567890"),
        linearCase("Codabar", 6, 2, 3, 0, "A12345B"),
        linearCase("Codabar no stop", 6, 2, 3, 0, "A12345"),
        linearCase("Code 93", 7, 2, 2, 0, std::string("Code 93\x01~\0", 10)),
        linearCase("Code 93 long", 7, 6, 2, 0, repeat("a\x7f", 127)),
        linearCase("Code 128 set B", 8, 2, 2, 0, "{BHello, World"),
        linearCase("Code 128 sets", 8, 6, 3, 0, "{C123456{A\x01{BAbc"),
        linearCase("Code 128 no selector", 8, 2, 2, 0, "Hello"),
        linearCase("module width 7", 8, 7, 2, 0, "{BHello"),
        linearCase("DataBar", 75, 3, 0, 0, "0001234567890"),
        linearCase("DataBar Truncated", 76, 2, 0, 0, "0001234567890"),
        linearCase("DataBar Limited", 77, 1, 0, 0, "0150123456789"),
        linearCase("DataBar letter", 75, 3, 0, 0, "000123456789A"),
        linearCase("DataBar Expanded", 78, 3, 0, 0, "(01)09501101530008(10)AB{1(21)123"),
        linearCase("DataBar Expanded bad", 78, 3, 0, 0, "(01)0950110153000#"),
        twoDCase("QR numeric", 49, 0, {50, 4, 48}, "12345"),
        twoDCase("QR model 1", 49, 0, {49, 1, 51}, "HELLO WORLD 0123456789"),
        twoDCase("QR every byte", 49, 0, {50, 3, 49}, allBytes()),
        twoDCase("QR version 40", 49, 0, {50, 1, 48}, repeat("0123456789", 700)),
        twoDCase("QR model 1 large", 49, 0, {1, 2, 48}, repeat("9", 1000)),
        twoDCase("QR too much for H", 49, 0, {50, 2, 51}, repeat("abcdefghij", 300)),
        twoDCase("QR too much for model 1", 49, 0, {49, 2, 48}, repeat("abc", 700)),
        twoDCase("QR no data", 49, 0, {50, 2, 48}, ""),
        twoDCase("PDF417 ABC", 48, 0, {0, 0, 3, 3, 48, 49, 0}, "ABC"),
        twoDCase("PDF417 truncated", 48, 0, {0, 0, 3, 3, 48, 49, 1}, "ABC"),
        twoDCase("PDF417 by ratio", 48, 0, {6, 0, 2, 3, 49, 1, 0}, allBytes()),
        twoDCase("PDF417 largest", 48, 0, {30, 30, 8, 8, 48, 56, 0}, repeat("Text 123 ", 60)),
        twoDCase("PDF417 large", 48, 0, {30, 30, 1, 3, 48, 5, 0}, repeat("Text 123 ", 60)),
        twoDCase("PDF417 fixed", 48, 0, {10, 40, 2, 3, 49, 4, 1}, repeat("Text 123 ", 30)),
        twoDCase("PDF417 auto large", 48, 0, {0, 0, 1, 2, 48, 50, 0}, repeat("0123456789", 150)),
        twoDCase("PDF417 does not fit", 48, 0, {1, 3, 2, 3, 48, 48, 0}, repeat("x", 200)),
        twoDCase("PDF417 no data", 48, 0, {0, 0, 2, 3, 48, 49, 0}, ""),
        twoDCase("DataBar Stacked", 51, 72, {3, 0}, "0001234567890"),
        twoDCase("DataBar Stacked Omni", 51, 73, {2, 0}, "0001234567890"),
        twoDCase("DataBar Stacked short", 51, 72, {3, 0}, "000123456789"),
        twoDCase("DataBar Expanded Stacked", 51, 76, {3, 0},
                 "(01)09501101530008(10)AB{1(21)123"),
        twoDCase("DataBar Expanded Stacked wide", 51, 76, {8, 640},
                 "(01)09501101530008(3103)001750(10)ABC123"),
        twoDCase("unknown 2D", 50, 0, {50, 4, 48}, "12345"),
    };
}

uint64_t mix(uint64_t hash, uint64_t value) { return (hash ^ value) * 1099511628211ull; }

}  // namespace

bool CallAnswer::operator==(const CallAnswer &o) const {
    return result == o.result && status == o.status && width == o.width &&
           height == o.height && std::memcmp(imageFields, o.imageFields, sizeof imageFields) == 0 &&
           pixelDigest == o.pixelDigest;
}

std::string describe(const CallAnswer &a) {
    std::ostringstream out;
    out << "result " << a.result << " status " << a.status << " dots " << a.width << " x "
        << a.height << " image";
    for (uint16_t f : a.imageFields) out << ' ' << f;
    out << " pixels " << std::hex << a.pixelDigest;
    return out.str();
}

const std::vector<CallCase> &callCases() {
    static const std::vector<CallCase> cases = buildCases();
    return cases;
}

uint64_t pixelDigest(const uint8_t *bytes, uint32_t width, uint32_t rows, uint32_t bytesPerRow) {
    uint64_t hash = 1469598103934665603ull;
    for (uint32_t row = 0; row < rows; ++row)
        for (uint32_t x = 0; x < width; ++x)
            hash = mix(hash, (bytes[static_cast<size_t>(row) * bytesPerRow + x / 8] >> (7 - x % 8)) & 1u);
    return hash;
}

namespace {

void recordImage(CallAnswer &answer, const SymbolImage &image) {
    const uint16_t fields[10] = {image.width,        image.height,       image.bytesPerRow,
                                 image.rowCount,     image.scaleX,       image.scaleY,
                                 image.extraTopRows, image.extraBottomRows, image.extraWidth,
                                 image.reserved};
    std::memcpy(answer.imageFields, fields, sizeof fields);
}

}  // namespace

CallAnswer runUnlocked(const CallCase &c) {
    return runUnlockedWith(c, c.data.data(), static_cast<int32_t>(c.data.size()));
}

CallAnswer runUnlockedWith(const CallCase &c, const char *data, int32_t length) {
    CallAnswer answer;
    if (c.kind == CallKind::Linear) {
        answer.result = getBarCodeWidth(data, length, c.symbology, c.linearArgs[0],
                                        c.linearArgs[1], c.linearArgs[2], c.linearArgs[3]);
        return answer;
    }
    SymbolImage image = {};
    answer.result = getBarCodeWidth2D(data, length, c.symbology, c.subtype, c.fields,
                                      &answer.width, &answer.height, &answer.status, &image);
    recordImage(answer, image);
    if (answer.result == 0 && image.pixels != nullptr)
        answer.pixelDigest = pixelDigest(static_cast<const uint8_t *>(image.pixels), image.width,
                                         image.rowCount, image.bytesPerRow);
    return answer;
}

CallAnswer runLocked(const CallCase &c) {
    CallAnswer answer;
    const int32_t length = static_cast<int32_t>(c.data.size());
    if (c.kind == CallKind::Linear) {
        answer.result = get1DBarCodeWidth(c.data.data(), length, c.symbology, c.linearArgs[0],
                                          c.linearArgs[1], c.linearArgs[2], c.linearArgs[3]);
        return answer;
    }
    SymbolImage image = {};
    void *handle = nullptr;
    image.pixels = &handle;
    answer.result = get2DBarCodeWidth(c.data.data(), length, c.symbology, c.subtype, c.fields,
                                      &answer.width, &answer.height, &answer.status, &image);
    recordImage(answer, image);
    if (answer.result == 0 && handle != nullptr) {
        answer.pixelDigest = pixelDigest(barsizeBlockBytes(handle), image.width, image.rowCount,
                                         image.bytesPerRow);
        barsizeBlockFree(handle);
    }
    return answer;
}

}  // namespace barsize::test
