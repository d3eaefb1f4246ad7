// Checks every successful two-dimensional result must pass, whichever
// encoder made it: the record describes a raster that lies wholly inside
// the library's storage, and the reported dots follow from the record as
// each family defines them.
#pragma once

#include <cstdint>

#include "barsize.h"
#include "fuzz_checks.h"

namespace barsize::fuzz {

struct Outputs2D {
    int16_t width;
    int16_t height;
    int16_t status;
    SymbolImage image;
};

// A hash of the pixels inside the image (bits beyond `width` carry no
// meaning and are masked off). The hand-over of get2DBarCodeWidth copies all
// bytesPerRow x rowCount bytes, which the sanitizer checks against the
// library's buffer.
inline uint64_t rasterDigest(const SymbolImage &image) {
    const uint8_t *bytes = static_cast<const uint8_t *>(image.pixels);
    const uint32_t fullBytes = image.width / 8u;
    const uint8_t lastMask = static_cast<uint8_t>(0xFF00u >> (image.width % 8u));
    uint64_t hash = 1469598103934665603ull;
    for (uint32_t row = 0; row < image.rowCount; ++row) {
        const uint8_t *line = bytes + static_cast<size_t>(row) * image.bytesPerRow;
        for (uint32_t i = 0; i < fullBytes; ++i) hash = (hash ^ line[i]) * 1099511628211ull;
        if (lastMask != 0) hash = (hash ^ (line[fullBytes] & lastMask)) * 1099511628211ull;
    }
    return hash;
}

inline void checkSuccessfulImage(uint16_t symbology, const Outputs2D &o) {
    const SymbolImage &im = o.image;
    const uint16_t outWidth = static_cast<uint16_t>(o.width);
    const uint16_t outHeight = static_cast<uint16_t>(o.height);
    FUZZ_CHECK(o.status == 0);
    FUZZ_CHECK(im.reserved == 0);
    FUZZ_CHECK(im.pixels != nullptr);
    FUZZ_CHECK(im.width > 0 && im.rowCount > 0);
    FUZZ_CHECK((im.width + 7u) / 8u <= im.bytesPerRow);
    if (symbology == 48) {
        FUZZ_CHECK(im.scaleX == 1 && im.scaleY == 1);
        FUZZ_CHECK(im.height == im.rowCount);
        FUZZ_CHECK(im.extraTopRows == 0 && im.extraBottomRows == 0 && im.extraWidth == 5);
        FUZZ_CHECK(outWidth == static_cast<uint16_t>(im.width + 5));
        FUZZ_CHECK(outHeight == im.height);
    } else if (symbology == 49) {
        FUZZ_CHECK(im.width == im.height && im.height == im.rowCount);
        FUZZ_CHECK(im.width >= 21 && im.width <= 177 && (im.width - 17) % 4 == 0);
        FUZZ_CHECK(im.bytesPerRow == 80);
        FUZZ_CHECK(im.scaleX == im.scaleY && im.scaleX >= 1 && im.scaleX <= 16);
        FUZZ_CHECK(im.extraTopRows == 7 && im.extraBottomRows == 4 && im.extraWidth == 0);
        FUZZ_CHECK(outWidth == im.scaleX * im.width);
        FUZZ_CHECK(outHeight == im.scaleY * im.height + 11);
    } else {
        FUZZ_CHECK(im.scaleX == 1 && im.scaleY == 1);
        FUZZ_CHECK(im.extraTopRows == 8 && im.extraBottomRows == 8 && im.extraWidth == 0);
        FUZZ_CHECK(outWidth == im.width);
        FUZZ_CHECK(outHeight == static_cast<uint16_t>(im.rowCount + 16));
    }
}

}  // namespace barsize::fuzz
