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

// The 7 x 7 finder pattern with its top-left module at (top, left), and its
// light separator ring where that lies inside the symbol.
void drawFinder(int top, int left, int n) {
    for (int r = -1; r <= 7; ++r) {
        for (int c = -1; c <= 7; ++c) {
            const int row = top + r, column = left + c;
            if (row < 0 || row >= n || column < 0 || column >= n) continue;
            const int dr = r < 3 ? 3 - r : r - 3, dc = c < 3 ? 3 - c : c - 3;
            const int ring = dr > dc ? dr : dc;  // 0 to 4
            setFunctionModule(row, column, ring <= 1 || ring == 3);
        }
    }
}

// A 5 x 5 alignment pattern: dark outer ring, light ring, dark centre.
void drawAlignment(int centreRow, int centreColumn) {
    for (int r = -2; r <= 2; ++r) {
        for (int c = -2; c <= 2; ++c) {
            const bool lightRing = (r == -1 || r == 1 || c == -1 || c == 1) &&
                                   r >= -1 && r <= 1 && c >= -1 && c <= 1 && !(r == 0 && c == 0);
            setFunctionModule(centreRow + r, centreColumn + c, !lightRing);
        }
    }
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
    drawFinder(0, 0, n);
    drawFinder(0, n - 7, n);
    drawFinder(n - 7, 0, n);
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
