/*
 * barsize — how large a barcode will print, in printer dots, and for
 * two-dimensional symbols the one-bit raster the printer will print.
 *
 * Nine exported functions, usable from C, C++ and C# (P/Invoke):
 *   getBarCodeWidth, get1DBarCodeWidth          linear symbols (width in dots)
 *   getBarCodeWidth2D, get2DBarCodeWidth        PDF417, QR Code, stacked DataBar
 *   getPDF417Width, getPDF417Height,            single-value shortcuts
 *   getQRCodeWidth, getGS1Width, getGS1Height
 *
 * On 32-bit Windows every export is __stdcall with an undecorated name.
 * Every integer argument is 32 bits wide.
 *
 * Threads: get1DBarCodeWidth and get2DBarCodeWidth hold one library-wide lock
 * for the whole call. The other seven take no lock and share the same
 * working state: never run them at the same time as any other call.
 */
#ifndef BARSIZE_H
#define BARSIZE_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#  define BARSIZE_CALL __stdcall
#  if defined(BARSIZE_BUILDING) || defined(BARSIZE_STATIC)
#    define BARSIZE_API
#  else
#    define BARSIZE_API __declspec(dllimport)
#  endif
#else
#  define BARSIZE_CALL
#  if defined(BARSIZE_BUILDING)
#    define BARSIZE_API __attribute__((visibility("default")))
#  else
#    define BARSIZE_API
#  endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------
 * Symbology codes (the receipt printer's own barcode numbers)
 * ------------------------------------------------------------------------ */
enum {
    BARSIZE_UPC_A = 0,
    BARSIZE_UPC_E = 1,
    BARSIZE_EAN13 = 2,
    BARSIZE_EAN8 = 3,
    BARSIZE_CODE39 = 4,
    BARSIZE_ITF = 5,
    BARSIZE_CODABAR = 6,
    BARSIZE_CODE93 = 7,
    BARSIZE_CODE128 = 8,
    BARSIZE_PDF417 = 48,
    BARSIZE_QRCODE = 49,
    BARSIZE_DATABAR_STACKED_2D = 51, /* with a sub-type below */
    BARSIZE_DATABAR_OMNI = 75,
    BARSIZE_DATABAR_TRUNCATED = 76,
    BARSIZE_DATABAR_LIMITED = 77,
    BARSIZE_DATABAR_EXPANDED = 78
};

/* Sub-types of BARSIZE_DATABAR_STACKED_2D */
enum {
    BARSIZE_SUB_STACKED = 72,
    BARSIZE_SUB_STACKED_OMNI = 73,
    BARSIZE_SUB_EXPANDED_STACKED = 76
};

/* ------------------------------------------------------------------------
 * Status codes. A code is read together with the entry point and the
 * symbology that returned it: some numbers mean different things for
 * different symbologies (-12 is both the UPC-E length error and the
 * DataBar length error of getBarCodeWidth).
 * ------------------------------------------------------------------------ */

/* getBarCodeWidth / get1DBarCodeWidth, linear codes 0 to 8 */
enum {
    BARSIZE_OK = 0,                    /* success (2D calls); a width of 0 is also the
                                          answer to "HRI width" when no HRI is printed */
    BARSIZE_E_MODULE_WIDTH = -3,       /* moduleWidth outside 2 to 6 */
    BARSIZE_E_HRI_POSITION = -4,       /* hriPosition outside 0 to 3 */
    BARSIZE_E_HRI_CHAR_WIDTH = -5,     /* hriCharWidth neither 0 to 2 nor 6 to 32 */
    BARSIZE_E_MEASURE = -6,            /* measure outside 0 to 2 */
    BARSIZE_E_SYMBOLOGY = -10,         /* symbology is not a linear code */
    BARSIZE_E_LENGTH_UPC_A = -11,      /* UPC-A length not 11 or 12 */
    BARSIZE_E_LENGTH_UPC_E = -12,      /* UPC-E length not 11 or 12 */
    BARSIZE_E_LENGTH_EAN13 = -13,      /* EAN-13 length not 12 or 13 */
    BARSIZE_E_LENGTH_EAN8 = -14,       /* EAN-8 length not 7 or 8 */
    BARSIZE_E_LENGTH_CODE39 = -15,     /* Code 39 length not 1 to 255 */
    BARSIZE_E_LENGTH_ITF = -16,        /* ITF length not 2 to 255, or odd */
    BARSIZE_E_LENGTH_CODABAR = -17,    /* Codabar length not 1 to 255 */
    BARSIZE_E_LENGTH_CODE93 = -18,     /* Code 93 length not 1 to 255 */
    BARSIZE_E_LENGTH_CODE128 = -19,    /* Code 128 length not 2 to 255 */
    BARSIZE_E_DATA_UPC_A = -21,        /* UPC-A data holds a non-digit */
    BARSIZE_E_DATA_UPC_E = -22,        /* UPC-E data holds a non-digit */
    BARSIZE_E_DATA_EAN13 = -23,        /* EAN-13 data holds a non-digit */
    BARSIZE_E_DATA_EAN8 = -24,         /* EAN-8 data holds a non-digit */
    BARSIZE_E_DATA_CODE39 = -25,       /* Code 39 data holds a byte outside its 43-character set */
    BARSIZE_E_DATA_ITF = -26,          /* ITF data holds a non-digit */
    BARSIZE_E_DATA_CODABAR = -27,      /* Codabar data holds a byte outside its 20-character set */
    BARSIZE_E_DATA_CODE93 = -28,       /* Code 93 data holds a byte above 127 */
    BARSIZE_E_DATA_CODE128 = -29,      /* Code 128 data holds a byte above 127 */
    BARSIZE_E_UPC_E_SUPPRESSION = -32, /* UPC-E: the number cannot be zero-suppressed */
    BARSIZE_E_CODABAR_START_STOP = -37,/* Codabar data does not begin and end with A, B, C or D */
    BARSIZE_E_CODE128_SYNTAX = -39     /* Code 128: bad start selector, escape or character for the set */
};

/* getBarCodeWidth, GS1 DataBar linear codes 75 to 78 */
enum {
    BARSIZE_E_DATABAR_FAILED = -1,         /* code 78 with no data, or the symbol could not be built */
    BARSIZE_E_DATABAR_LENGTH = -12,        /* codes 75 to 77: length (low 16 bits) is not 13 */
    BARSIZE_E_DATABAR_ELEMENT_STRING = -15,/* code 78: the element string was rejected */
    BARSIZE_E_DATABAR_DIGITS = -20,        /* codes 75 to 77: a byte is not a digit */
    BARSIZE_E_DATABAR_TOO_LONG = -16       /* code 78: more than 255 data bytes (length as unsigned 32 bits) */
};

/* Every export: a pointer the call needs is null (data with a non-zero
 * length, an output, params or image). 2D calls store it in outStatus too
 * when outStatus itself is not null. */
enum { BARSIZE_E_NULL_POINTER = -99 };

/* Two-dimensional calls (getBarCodeWidth2D, get2DBarCodeWidth and the
 * shortcuts): the result is negative and outStatus holds the status. */
enum {
    BARSIZE_E_2D_UNSUPPORTED = -1          /* symbology or sub-type not a 2D code (result -1, status -1) */
};

/* PDF417 (symbology 48): result -1 with one of these in outStatus */
enum {
    BARSIZE_E_PDF417_NO_DATA = -4,         /* no data: length 0 or above 65,532 (low 16 bits of length) */
    BARSIZE_E_PDF417_NO_LAYOUT = -7,       /* no rows and columns within the limits hold the symbol */
    BARSIZE_E_PDF417_TOO_LONG = -11,       /* the data does not fit in the symbol's capacity */
    BARSIZE_E_PDF417_NO_ROOM = -17         /* error correction would leave fewer than two codewords for data */
};

/* QR Code (symbology 49): result -1 with one of these in outStatus */
enum {
    BARSIZE_E_QR_NO_DATA = -2,             /* no data: length 0 or a multiple of 65,536 */
    BARSIZE_E_QR_TOO_LONG = -3,            /* more than 7,089 bytes (low 16 bits of length) */
    BARSIZE_E_QR_TOO_MANY_SEGMENTS = -4,   /* the data changes mode so often that over 200 segments are needed */
    BARSIZE_E_QR_TOO_BIG = -5              /* no version of the chosen model holds the data at that level */
};

/* Stacked GS1 DataBar (symbology 51): outStatus holds one of these and the
 * result is the same value, except for rejected data (-6), whose result is -1 */
enum {
    BARSIZE_E_STACKED_RASTER = -3,         /* stacked DataBar: the symbol's raster would be empty or too large */
    BARSIZE_E_STACKED_TYPE = -4,           /* stacked DataBar: the symbol type cannot be built */
    BARSIZE_E_STACKED_DATA = -6,           /* stacked DataBar: data rejected (72/73: fewer than 13 leading digits;
                                              a bad element string) or too large for the symbol */
    BARSIZE_E_STACKED_LENGTH = -12,        /* stacked DataBar: data too long for the symbol type */
    BARSIZE_E_STACKED_LINE = -13,          /* stacked DataBar: a raster line would reach 7013 bytes */
    BARSIZE_E_STACKED_CHARACTER = -15      /* stacked DataBar: a character outside the Expanded set */
};

/* ------------------------------------------------------------------------
 * Records crossing the boundary by pointer. Natural alignment: on 32-bit
 * targets SymbolImage is exactly 24 bytes (pixels at offset 12); on 64-bit
 * hosts pixels is a native pointer at offset 16 and the record is 32 bytes.
 * ------------------------------------------------------------------------ */

typedef struct Pdf417Params {   /* 14 bytes */
    uint16_t columns;      /* data columns, 0 = automatic */
    uint16_t rows;         /* rows, 0 = automatic */
    uint16_t moduleWidth;  /* module width in dots */
    uint16_t rowHeight;    /* row height as a multiple of the module width */
    uint16_t ecMode;       /* error correction chosen by level or by ratio */
    uint16_t ecValue;      /* the level or the ratio */
    uint16_t options;      /* 0 standard symbol, 1 truncated symbol */
} Pdf417Params;

typedef struct QrParams {       /* 6 bytes */
    uint16_t model;        /* 49 or 1: Model 1; anything else: Model 2 */
    uint16_t moduleSize;   /* dots per module, 1 to 16 (0 means 1, larger means 16) */
    uint16_t ecLevel;      /* 0/48 L, 1/49 M, 2/50 Q, 3/51 H; anything else L */
} QrParams;

typedef struct StackedParams {  /* 4 bytes */
    uint16_t moduleWidth;   /* dots per module, 1 to 8; anything else keeps 3 */
    uint16_t rowWidthLimit; /* Expanded Stacked: widest row in dots; 0 = 141, capped at 640 */
} StackedParams;

typedef struct SymbolImage {
    uint16_t width;           /* raster width in pixels */
    uint16_t height;          /* raster height in pixels */
    uint16_t bytesPerRow;     /* bytes from the start of one raster row to the next */
    uint16_t rowCount;        /* raster rows stored */
    uint16_t scaleX;          /* printer dots per pixel across */
    uint16_t scaleY;          /* printer dots per pixel down */
    void* pixels;             /* out: first raster byte (library storage, valid until the
                                 next call into the same encoder); in, for get2DBarCodeWidth:
                                 null or the address of the caller's handle variable */
    uint16_t extraTopRows;    /* dot rows counted above the image in the reported height */
    uint16_t extraBottomRows; /* dot rows counted below the image in the reported height */
    uint16_t extraWidth;      /* dots added to the reported width */
    uint16_t reserved;        /* always 0 */
} SymbolImage;

/* Raster: one bit per pixel, 1 = dark, most significant bit leftmost,
 * row r starts at byte r * bytesPerRow, no quiet zone. */

/* ------------------------------------------------------------------------
 * Exports
 * ------------------------------------------------------------------------ */

/* Width in dots of a linear symbol (codes 0 to 8, 75 to 78), or a negative
 * status. measure: 0 larger of bars and HRI text, 1 bars, 2 HRI text. */
BARSIZE_API int32_t BARSIZE_CALL getBarCodeWidth(const char* data, int32_t length,
    int32_t symbology, int32_t moduleWidth, int32_t hriPosition,
    int32_t hriCharWidth, int32_t measure);

/* getBarCodeWidth under the library lock. */
BARSIZE_API int32_t BARSIZE_CALL get1DBarCodeWidth(const char* data, int32_t length,
    int32_t symbology, int32_t moduleWidth, int32_t hriPosition,
    int32_t hriCharWidth, int32_t measure);

/* Encodes a 2D symbol (48 PDF417 with Pdf417Params, 49 QR Code with
 * QrParams, 51 stacked DataBar with StackedParams and a sub-type). Returns 0
 * and fills outWidth, outHeight (dots) and image; or a negative value with
 * the status in outStatus. */
BARSIZE_API int32_t BARSIZE_CALL getBarCodeWidth2D(const char* data, int32_t length,
    int32_t symbology, int32_t subtype, const void* params,
    int16_t* outWidth, int16_t* outHeight, int16_t* outStatus, SymbolImage* image);

/* getBarCodeWidth2D under the library lock; if image->pixels held the
 * address of a handle variable on entry, a copy of the raster
 * (bytesPerRow * rowCount bytes) is stored in a new caller-owned block whose
 * handle goes there. Returns a positive system error code if that block
 * cannot be allocated (the handle variable then holds null). */
BARSIZE_API int32_t BARSIZE_CALL get2DBarCodeWidth(const char* data, int32_t length,
    int32_t symbology, int32_t subtype, const void* params,
    int16_t* outWidth, int16_t* outHeight, int16_t* outStatus, SymbolImage* image);

/* Shortcuts: the width or height in dots (0 to 65535), or a negative status. */
BARSIZE_API int32_t BARSIZE_CALL getPDF417Width(const char* data, int32_t length,
    int32_t columns, int32_t rows, int32_t moduleWidth, int32_t rowHeight,
    int32_t ecMode, int32_t ecValue, int32_t options);
BARSIZE_API int32_t BARSIZE_CALL getPDF417Height(const char* data, int32_t length,
    int32_t columns, int32_t rows, int32_t moduleWidth, int32_t rowHeight,
    int32_t ecMode, int32_t ecValue, int32_t options);
BARSIZE_API int32_t BARSIZE_CALL getQRCodeWidth(const char* data, int32_t length,
    int32_t model, int32_t moduleSize, int32_t ecLevel);
BARSIZE_API int32_t BARSIZE_CALL getGS1Width(const char* data, int32_t length,
    int32_t subtype, int32_t moduleWidth, int32_t rowWidthLimit);
BARSIZE_API int32_t BARSIZE_CALL getGS1Height(const char* data, int32_t length,
    int32_t subtype, int32_t moduleWidth, int32_t rowWidthLimit);

/* ------------------------------------------------------------------------
 * Caller-owned raster blocks. On Windows the handle is an HGLOBAL from
 * GlobalAlloc(GMEM_MOVEABLE): use GlobalLock/GlobalSize/GlobalUnlock/
 * GlobalFree. Elsewhere these three functions reach and release it.
 * ------------------------------------------------------------------------ */
#if !defined(_WIN32)
typedef void* BarsizeBlock;
BARSIZE_API const uint8_t* barsizeBlockBytes(BarsizeBlock block);
BARSIZE_API size_t barsizeBlockSize(BarsizeBlock block);
BARSIZE_API void barsizeBlockFree(BarsizeBlock block);
#endif

#ifdef __cplusplus
} /* extern "C" */
#endif

/* Layout checks */
#ifdef __cplusplus
#  define BARSIZE_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#  define BARSIZE_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif
BARSIZE_STATIC_ASSERT(sizeof(Pdf417Params) == 14, "Pdf417Params is 14 bytes");
BARSIZE_STATIC_ASSERT(offsetof(Pdf417Params, options) == 12, "Pdf417Params.options at 12");
BARSIZE_STATIC_ASSERT(sizeof(QrParams) == 6, "QrParams is 6 bytes");
BARSIZE_STATIC_ASSERT(offsetof(QrParams, ecLevel) == 4, "QrParams.ecLevel at 4");
BARSIZE_STATIC_ASSERT(sizeof(StackedParams) == 4, "StackedParams is 4 bytes");
BARSIZE_STATIC_ASSERT(offsetof(StackedParams, rowWidthLimit) == 2, "StackedParams.rowWidthLimit at 2");
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, scaleY) == 10, "SymbolImage.scaleY at 10");
#if UINTPTR_MAX == 0xFFFFFFFFu
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, pixels) == 12, "SymbolImage.pixels at 12");
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, extraTopRows) == 16, "SymbolImage.extraTopRows at 16");
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, extraBottomRows) == 18, "SymbolImage.extraBottomRows at 18");
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, extraWidth) == 20, "SymbolImage.extraWidth at 20");
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, reserved) == 22, "SymbolImage.reserved at 22");
BARSIZE_STATIC_ASSERT(sizeof(SymbolImage) == 24, "SymbolImage is 24 bytes on 32-bit targets");
#else
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, pixels) == 16, "SymbolImage.pixels at 16");
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, extraTopRows) == 24, "SymbolImage.extraTopRows at 24");
BARSIZE_STATIC_ASSERT(offsetof(SymbolImage, reserved) == 30, "SymbolImage.reserved at 30");
BARSIZE_STATIC_ASSERT(sizeof(SymbolImage) == 32, "SymbolImage is 32 bytes on 64-bit hosts");
#endif

#endif /* BARSIZE_H */
