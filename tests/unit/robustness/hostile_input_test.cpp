// Hostile input through every export: lengths far beyond the buffer, null
// pointers, every parameter at and beyond its limits, NUL and non-ASCII
// bytes. Buffers are heap blocks of exactly the bytes the library may use,
// so the sanitizer pass of the suite reports any read past them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "call_cases.h"
#include "support/decoder.h"

namespace barsize::test {
namespace {

// A heap copy of `bytes`, followed by `padding` zero bytes and nothing else.
struct ExactBuffer {
    std::unique_ptr<char[]> bytes;
    explicit ExactBuffer(const std::string &data, size_t padding = 0)
        : bytes(new char[data.size() + padding]) {
        std::copy(data.begin(), data.end(), bytes.get());
        std::fill(bytes.get() + data.size(), bytes.get() + data.size() + padding, '\0');
    }
};

CallCase linear(int32_t symbology, std::string data, int32_t moduleWidth = 2) {
    return {"", CallKind::Linear, symbology, 0, {}, {moduleWidth, 2, 0, 0}, std::move(data)};
}

CallCase twoD(int32_t symbology, int32_t subtype, std::initializer_list<uint16_t> fields,
              std::string data) {
    CallCase c{"", CallKind::TwoD, symbology, subtype, {}, {}, std::move(data)};
    int i = 0;
    for (uint16_t f : fields) c.fields[i++] = f;
    return c;
}

const char kElementString[] = "(01)09501101530008(10)AB{1(21)123";

// How a family treats a length whose low 16 bits are the data's own length.
enum class HighBits { Refused, Ignored, Either };

struct LengthCase {
    const char *name;
    CallCase call;
    HighBits highBits;
    bool readsFirstThirteen;  // stacked DataBar: any length of 13 or more (low 16 bits) reads 13
    bool endsAtZeroByte;      // stacked element strings: a long length is read up to the terminator
};

const LengthCase kLengthCases[] = {
    {"UPC-A", linear(0, "01234567890"), HighBits::Refused, false, false},
    {"EAN-8", linear(3, "9638507"), HighBits::Refused, false, false},
    {"Code 39", linear(4, "CODE39"), HighBits::Refused, false, false},
    {"ITF", linear(5, "123456"), HighBits::Refused, false, false},
    {"Codabar", linear(6, "A123B"), HighBits::Refused, false, false},
    {"Code 93", linear(7, "CODE93"), HighBits::Refused, false, false},
    {"Code 128", linear(8, "{BCode128"), HighBits::Refused, false, false},
    {"DataBar", linear(75, "0001234567890", 3), HighBits::Ignored, false, false},
    {"DataBar Limited", linear(77, "0150123456789", 3), HighBits::Ignored, false, false},
    {"DataBar Expanded", linear(78, kElementString, 3), HighBits::Refused, false, false},
    {"QR Code", twoD(49, 0, {50, 2, 49}, "HELLO 12345"), HighBits::Ignored, false, false},
    {"PDF417", twoD(48, 0, {0, 0, 2, 3, 48, 49, 0}, "PDF417 data"), HighBits::Ignored, false,
     false},
    {"DataBar Stacked", twoD(51, 72, {3, 0}, "0001234567890"), HighBits::Ignored, true, false},
    {"DataBar Stacked Omni", twoD(51, 73, {3, 0}, "0001234567890"), HighBits::Ignored, true,
     false},
    {"DataBar Expanded Stacked", twoD(51, 76, {3, 0}, kElementString), HighBits::Either, false,
     true},
};

TEST(HostileInput, LengthsBeyondTheBufferAreRefusedOrCutToWhatIsRead) {
    const int32_t huge[] = {-1, 65535, 0x7FFFFFFF, static_cast<int32_t>(0x80000000u),
                            static_cast<int32_t>(0xFFFF0000u), 65536, 0};
    for (const LengthCase &c : kLengthCases) {
        const ExactBuffer exact(c.call.data);
        const int32_t n = static_cast<int32_t>(c.call.data.size());
        const CallAnswer own = runUnlockedWith(c.call, exact.bytes.get(), n);
        EXPECT_GE(own.result, 0) << c.name << ": the datum itself must be good";

        // Past the data: one zero byte, where an element string may stop.
        const ExactBuffer padded(c.call.data, 1);
        const CallAnswer high = runUnlockedWith(c.call, padded.bytes.get(), n + 65536);
        if (c.highBits == HighBits::Refused) {
            EXPECT_LT(high.result, 0) << c.name << " length + 65536";
        } else if (c.highBits == HighBits::Ignored) {
            EXPECT_EQ(high, own) << c.name << " length + 65536: " << describe(high);
        } else {
            EXPECT_TRUE(high == own || high.result < 0) << c.name << ": " << describe(high);
        }

        for (int32_t length : huge) {
            const CallAnswer answer = runUnlockedWith(c.call, padded.bytes.get(), length);
            const bool thirteenRead = c.readsFirstThirteen && (length & 0xFFFF) >= 13;
            const bool emptyElementString = c.endsAtZeroByte && (length == 0 || length == 65536);
            if (thirteenRead) {
                EXPECT_EQ(answer, own) << c.name << " length " << length;
            } else if (c.endsAtZeroByte && length != 0) {
                EXPECT_TRUE(answer.result < 0 || answer == own)
                    << c.name << " length " << length << ": " << describe(answer);
            } else if (!emptyElementString) {
                EXPECT_LT(answer.result, 0) << c.name << " length " << length;
            }
        }
    }
}

TEST(HostileInput, NullDataIsRefusedUnlessItsLengthIsZero) {
    for (const CallCase &c : callCases()) {
        const int32_t n = static_cast<int32_t>(c.data.size());
        // An unknown 2D symbology fails before any pointer is looked at.
        const bool checksPointers = c.kind == CallKind::Linear || c.symbology != 50;
        if (n != 0) {
            const CallAnswer answer = runUnlockedWith(c, nullptr, n);
            EXPECT_EQ(answer.result, checksPointers ? BARSIZE_E_NULL_POINTER : -1) << c.name;
        }
        const std::unique_ptr<char[]> empty(new char[0]);
        EXPECT_EQ(runUnlockedWith(c, nullptr, 0), runUnlockedWith(c, empty.get(), 0))
            << c.name;
    }
}

// A successful call describes its raster soundly (the hand-over copies all
// bytesPerRow x rowCount bytes from the library's buffer, which the
// sanitizer checks); a failed one leaves every output but the status alone.
void expectSoundOutcome(const CallCase &c, const CallAnswer &a, const std::string &what) {
    const uint16_t *f = a.imageFields;  // width height bytesPerRow rowCount scaleX scaleY top bottom extraWidth reserved
    if (a.result != 0) {
        EXPECT_LT(a.result, 0) << what;
        EXPECT_LT(a.status, 0) << what;
        EXPECT_EQ(a.width, 0) << what;
        EXPECT_EQ(a.height, 0) << what;
        for (int i = 0; i < 10; ++i) EXPECT_EQ(f[i], 0) << what << " field " << i;
        return;
    }
    EXPECT_GT(f[0], 0) << what;
    EXPECT_GT(f[3], 0) << what;
    EXPECT_LE((f[0] + 7u) / 8u, f[2]) << what;
    EXPECT_EQ(f[9], 0) << what;
    const uint16_t outWidth = static_cast<uint16_t>(a.width);
    const uint16_t outHeight = static_cast<uint16_t>(a.height);
    if (c.symbology == 48) {
        EXPECT_EQ(outWidth, f[0] + 5) << what;
        EXPECT_EQ(outHeight, f[1]) << what;
        EXPECT_EQ(f[1], f[3]) << what;
    } else if (c.symbology == 49) {
        EXPECT_EQ(outWidth, f[4] * f[0]) << what;
        EXPECT_EQ(outHeight, f[5] * f[1] + 11) << what;
    } else {
        EXPECT_EQ(outWidth, f[0]) << what;
        EXPECT_EQ(outHeight, f[3] + 16) << what;
    }
}

TEST(HostileInput, EveryParameterAtAndBeyondItsLimits) {
    const uint16_t values[] = {0,  1,  2,  3,  8,  9,  15, 16,  17,  30,  31,  40,    41,
                               48, 49, 50, 51, 52, 56, 57, 90, 91, 640, 641, 65535};
    const CallCase bases[] = {
        twoD(48, 0, {0, 0, 2, 3, 48, 49, 0}, "PDF417 0123456789 \x01\xff"),
        twoD(49, 0, {50, 2, 49}, "QR Code 0123456789 \x01\xff"),
        twoD(51, 72, {3, 0}, "0001234567890"),
        twoD(51, 73, {3, 0}, "0001234567890"),
        twoD(51, 76, {3, 0}, kElementString),
    };
    for (const CallCase &base : bases) {
        const int fieldCount = base.symbology == 48 ? 7 : base.symbology == 49 ? 3 : 2;
        for (int field = 0; field < fieldCount; ++field)
            for (uint16_t v : values) {
                CallCase c = base;
                c.fields[field] = v;
                expectSoundOutcome(c, runLocked(c),
                                   "symbology " + std::to_string(c.symbology) + "/" +
                                       std::to_string(c.subtype) + " field " +
                                       std::to_string(field) + " = " + std::to_string(v));
            }
    }
    // Every size parameter at its largest at once: the biggest rasters.
    const std::string text(1800, 'x');
    const CallCase largest[] = {
        twoD(48, 0, {30, 30, 8, 8, 48, 56, 0}, "ABC"),
        twoD(48, 0, {30, 30, 8, 8, 49, 40, 1}, text),
        twoD(48, 0, {30, 90, 8, 8, 48, 56, 0}, "ABC"),
        twoD(48, 0, {0, 0, 8, 8, 48, 8, 0}, text),
        twoD(48, 0, {30, 90, 1, 1, 48, 0, 0}, text),
        twoD(49, 0, {50, 16, 48}, std::string(7089, '7')),
        twoD(49, 0, {49, 16, 48}, std::string(100, 'x')),
        twoD(51, 76, {8, 640}, "(01)09501101530008(10)ABCDEFGHIJKLMNOPQRST{1(21)" +
                                   std::string(20, 'Z')),
        twoD(51, 76, {8, 1}, kElementString),
    };
    for (const CallCase &c : largest)
        expectSoundOutcome(c, runLocked(c),
                           "largest " + std::to_string(c.symbology) + " fields " +
                               std::to_string(c.fields[0]) + "," + std::to_string(c.fields[1]) +
                               "," + std::to_string(c.fields[2]));
}

// Each shortcut with its arguments after the data, as 32-bit values.
struct Shortcut {
    const char *name;
    int32_t (*call)(const std::string &data, const int32_t *args);
    int argCount;
    int32_t args[7];
    std::string data;
};

const Shortcut kShortcuts[] = {
    {"getPDF417Width",
     [](const std::string &d, const int32_t *a) {
         return getPDF417Width(d.data(), static_cast<int32_t>(d.size()), a[0], a[1], a[2], a[3],
                               a[4], a[5], a[6]);
     },
     7, {0, 0, 2, 3, 48, 49, 0}, "PDF417 12345"},
    {"getPDF417Height",
     [](const std::string &d, const int32_t *a) {
         return getPDF417Height(d.data(), static_cast<int32_t>(d.size()), a[0], a[1], a[2], a[3],
                                a[4], a[5], a[6]);
     },
     7, {3, 5, 2, 3, 49, 2, 1}, "PDF417 12345"},
    {"getQRCodeWidth",
     [](const std::string &d, const int32_t *a) {
         return getQRCodeWidth(d.data(), static_cast<int32_t>(d.size()), a[0], a[1], a[2]);
     },
     3, {50, 2, 49}, "QR Code 12345"},
    {"getGS1Width",
     [](const std::string &d, const int32_t *a) {
         return getGS1Width(d.data(), static_cast<int32_t>(d.size()), a[0], a[1], a[2]);
     },
     3, {76, 3, 300}, kElementString},
    {"getGS1Height",
     [](const std::string &d, const int32_t *a) {
         return getGS1Height(d.data(), static_cast<int32_t>(d.size()), a[0], a[1], a[2]);
     },
     3, {72, 2, 0}, "0001234567890"},
};

TEST(HostileInput, ShortcutsCountOnlyTheLowSixteenBitsOfEachArgument) {
    const uint32_t highHalves[] = {0x00010000u, 0x7FFF0000u, 0xFFFF0000u};
    const uint16_t lows[] = {0, 1, 0xFFFF};
    for (const Shortcut &s : kShortcuts) {
        const int32_t base = s.call(s.data, s.args);
        EXPECT_GE(base, 0) << s.name << ": the base call must succeed";
        for (int i = 0; i < s.argCount; ++i) {
            int32_t args[7];
            std::copy(s.args, s.args + 7, args);
            for (uint32_t high : highHalves) {
                args[i] = static_cast<int32_t>(high | static_cast<uint16_t>(s.args[i]));
                EXPECT_EQ(s.call(s.data, args), base) << s.name << " argument " << i << " = " << args[i];
                for (uint16_t low : lows) {
                    args[i] = low;
                    const int32_t plain = s.call(s.data, args);
                    args[i] = static_cast<int32_t>(high | low);
                    EXPECT_EQ(s.call(s.data, args), plain)
                        << s.name << " argument " << i << " = " << args[i];
                }
            }
        }
    }
}

}  // namespace
}  // namespace barsize::test
