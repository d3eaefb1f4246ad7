// Finder, separator, timing, alignment, version information and the
// reserved format areas; Model 1's corner block and extension patterns.
#include <cstring>

#include "qrcode/matrix.h"

namespace barsize::qrcode {

namespace {

// A function module: leaves the data area, dark or light.
void setFunctionModule(int row, int column, bool dark) {
    clearPlaneBit(qrState.dataAreaPlane, row, column);
    if (dark) setPlaneBit(qrState.darkPlane, row, column);
    else clearPlaneBit(qrState.darkPlane, row, column);
}

// Up to nine function modules of one row from `column` on, bit k of `dark`
// for column + k; modules outside the symbol are skipped.
void setFunctionRow(int row, int column, int count, uint32_t dark) {
    const int n = qrState.moduleCount;
    if (row < 0 || row >= n) return;
    if (column < 0) {
        dark >>= -column;
        count += column;
        column = 0;
    }
    if (column + count > n) count = n - column;
    if (count <= 0) return;
    const uint32_t mask = ((1u << count) - 1) << (column & 7);
    const uint32_t bits = (dark << (column & 7)) & mask;
    uint8_t *area = qrState.dataAreaPlane[row];
    uint8_t *darkRow = qrState.darkPlane[row];
    for (int b = 0; b < 3; ++b) {
        const int index = (column >> 3) + b;
        const uint8_t m = static_cast<uint8_t>(mask >> (8 * b));
        if (m == 0 || index >= kPlaneBytes) continue;
        area[index] = static_cast<uint8_t>(area[index] & ~m);
        darkRow[index] = static_cast<uint8_t>((darkRow[index] & ~m) | ((bits >> (8 * b)) & m));
    }
}

// The finder pattern's rows with the separator ring around them: row -1 to 7,
// bit k for column k - 1.
constexpr uint16_t kFinderRows[9] = {0x000, 0x0FE, 0x082, 0x0BA, 0x0BA, 0x0BA, 0x082, 0x0FE, 0x000};

// The 7 x 7 finder pattern with its top-left module at (top, left), and its
// light separator ring where that lies inside the symbol.
void drawFinder(int top, int left) {
    for (int r = -1; r <= 7; ++r) setFunctionRow(top + r, left - 1, 9, kFinderRows[r + 1]);
}

// A 5 x 5 alignment pattern: dark outer ring, light ring, dark centre.
constexpr uint8_t kAlignmentRows[5] = {0x1F, 0x11, 0x15, 0x11, 0x1F};

void drawAlignment(int centreRow, int centreColumn) {
    for (int r = -2; r <= 2; ++r) setFunctionRow(centreRow + r, centreColumn - 2, 5, kAlignmentRows[r + 2]);
}

void reserveFormatAreas(int n) {
    for (int i = 0; i <= 8; ++i) {
        if (i != 6) {
            clearPlaneBit(qrState.dataAreaPlane, 8, i);
            clearPlaneBit(qrState.dataAreaPlane, i, 8);
        }
    }
    for (int i = n - 8; i < n; ++i) {
        clearPlaneBit(qrState.dataAreaPlane, 8, i);
        clearPlaneBit(qrState.dataAreaPlane, i, 8);
    }
}

void drawTiming(int n) {
    for (int i = 8; i <= n - 9; ++i) {
        setFunctionModule(6, i, i % 2 == 0);
        setFunctionModule(i, 6, i % 2 == 0);
    }
}

void drawAlignmentPatterns(int n) {
    const uint8_t *centres = kAlignmentCentres[qrState.versionIndex];
    for (int i = 0; i < kMaxAlignmentCentres && centres[i] != 0; ++i) {
        for (int j = 0; j < kMaxAlignmentCentres && centres[j] != 0; ++j) {
            const int r = centres[i], c = centres[j];
            const bool onFinder = (r == 6 && c == 6) || (r == 6 && c == n - 7) || (r == n - 7 && c == 6);
            if (!onFinder) drawAlignment(r, c);
        }
    }
}

void drawVersionInformation(int n) {
    if (qrState.versionIndex < 6) return;
    const uint32_t word = kVersionInformation[qrState.versionIndex - 6];
    for (int i = 0; i < 18; ++i) {
        const bool dark = (word >> i) & 1;
        setFunctionModule(i / 3, n - 11 + i % 3, dark);
        setFunctionModule(n - 11 + i % 3, i / 3, dark);
    }
}

// Model 1: the corner block and the extension patterns leave the data area;
// the placement writes their dark modules.
void reserveModel1Areas(int n) {
    setFunctionModule(n - 2, n - 2, false);
    setFunctionModule(n - 2, n - 1, false);
    setFunctionModule(n - 1, n - 2, false);
    setFunctionModule(n - 1, n - 1, true);
    for (int p = n - 9; p > 12; p -= 8) {
        for (int i = p - 3; i <= p; ++i) {
            for (int k = n - 2; k < n; ++k) {
                clearPlaneBit(qrState.dataAreaPlane, i, k);
                clearPlaneBit(qrState.dataAreaPlane, k, i);
            }
        }
    }
}

}  // namespace

void drawFunctionPatterns() {
    const int n = qrState.moduleCount;
    const int rowBytes = (n + 7) / 8;
    for (int r = 0; r < n; ++r) {
        std::memset(qrState.darkPlane[r], 0, kPlaneBytes);
        std::memset(qrState.dataAreaPlane[r], 0, kPlaneBytes);
        std::memset(qrState.dataAreaPlane[r], 0xFF, static_cast<size_t>(n / 8));
        if (n % 8 != 0) qrState.dataAreaPlane[r][rowBytes - 1] = static_cast<uint8_t>((1u << (n % 8)) - 1);
    }
    drawFinder(0, 0);
    drawFinder(0, n - 7);
    drawFinder(n - 7, 0);
    reserveFormatAreas(n);
    drawTiming(n);
    setFunctionModule(n - 8, 8, true);
    if (qrState.model == Model2) {
        drawAlignmentPatterns(n);
        drawVersionInformation(n);
    } else {
        reserveModel1Areas(n);
    }
}

}  // namespace barsize::qrcode
