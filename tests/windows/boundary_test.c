/* barsize.dll as its host sees it: loaded with LoadLibrary, every export
 * found by its undecorated name and called through a __stdcall pointer, the
 * raster block of get2DBarCodeWidth reached with the global-memory functions,
 * and several threads through the two locked exports at once.
 *
 * Prints one line per failure (and per symbol whose encoder has not landed)
 * and ends with "N passed, N failed". Exit status 0 only when nothing failed.
 * Usage: boundary_test [path of barsize.dll]  (default: next to the program) */
#include <windows.h>

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "barsize.h"

typedef int32_t(__stdcall *LinearFn)(const char *, int32_t, int32_t, int32_t, int32_t,
                                     int32_t, int32_t);
typedef int32_t(__stdcall *Symbol2DFn)(const char *, int32_t, int32_t, int32_t, const void *,
                                       int16_t *, int16_t *, int16_t *, SymbolImage *);
typedef int32_t(__stdcall *Pdf417Fn)(const char *, int32_t, int32_t, int32_t, int32_t,
                                     int32_t, int32_t, int32_t, int32_t);
typedef int32_t(__stdcall *FiveArgFn)(const char *, int32_t, int32_t, int32_t, int32_t);

static struct {
    LinearFn getBarCodeWidth, get1DBarCodeWidth;
    Symbol2DFn getBarCodeWidth2D, get2DBarCodeWidth;
    Pdf417Fn getPDF417Width, getPDF417Height;
    FiveArgFn getQRCodeWidth, getGS1Width, getGS1Height;
} dll;

static int passed, failed;

static void expect(int ok, const char *format, ...) {
    va_list args;
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    printf("FAIL: ");
    va_start(args, format);
    vprintf(format, args);
    va_end(args);
    printf("\n");
}

/* ------------------------------------------------------------------------
 * Loading: the nine names, each with the bytes of arguments it pops.
 * ------------------------------------------------------------------------ */

static const struct {
    const char *name;
    int argumentBytes;
} exportNames[9] = {
    {"getBarCodeWidth", 28}, {"get1DBarCodeWidth", 28}, {"getBarCodeWidth2D", 36},
    {"get2DBarCodeWidth", 36}, {"getPDF417Width", 36},  {"getPDF417Height", 36},
    {"getQRCodeWidth", 20},  {"getGS1Width", 20},       {"getGS1Height", 20},
};

static int loadExports(HMODULE library) {
    void (*found[9])(void);
    int missing = 0;
    for (int i = 0; i < 9; ++i) {
        char decorated[64];
        found[i] = (void (*)(void))GetProcAddress(library, exportNames[i].name);
        expect(found[i] != NULL, "export %s not found", exportNames[i].name);
        if (found[i] == NULL) ++missing;
        /* Only the undecorated name is exported. */
        snprintf(decorated, sizeof decorated, "%s@%d", exportNames[i].name,
                 exportNames[i].argumentBytes);
        expect(GetProcAddress(library, decorated) == NULL, "decorated %s exported", decorated);
        snprintf(decorated, sizeof decorated, "_%s@%d", exportNames[i].name,
                 exportNames[i].argumentBytes);
        expect(GetProcAddress(library, decorated) == NULL, "decorated %s exported", decorated);
    }
    if (missing != 0) return 0;
    dll.getBarCodeWidth = (LinearFn)found[0];
    dll.get1DBarCodeWidth = (LinearFn)found[1];
    dll.getBarCodeWidth2D = (Symbol2DFn)found[2];
    dll.get2DBarCodeWidth = (Symbol2DFn)found[3];
    dll.getPDF417Width = (Pdf417Fn)found[4];
    dll.getPDF417Height = (Pdf417Fn)found[5];
    dll.getQRCodeWidth = (FiveArgFn)found[6];
    dll.getGS1Width = (FiveArgFn)found[7];
    dll.getGS1Height = (FiveArgFn)found[8];
    return 1;
}

/* ------------------------------------------------------------------------
 * Requests refused by the exports and the linear dispatcher: no encoder
 * needed. Each is sent through both linear exports.
 * ------------------------------------------------------------------------ */

static const struct {
    const char *data;
    int32_t length, symbology, moduleWidth, hriPosition, hriCharWidth, measure, expected;
} linearRefusals[] = {
    {"123", 3, BARSIZE_CODE39, 7, 0, 0, 0, BARSIZE_E_MODULE_WIDTH},
    {"123", 3, BARSIZE_CODE39, -1, 0, 0, 0, BARSIZE_E_MODULE_WIDTH},
    {"123", 3, BARSIZE_CODE39, 2, 4, 0, 0, BARSIZE_E_HRI_POSITION},
    {"123", 3, BARSIZE_CODE39, 2, 0, 5, 0, BARSIZE_E_HRI_CHAR_WIDTH},
    {"123", 3, BARSIZE_CODE39, 2, 0, 0, 3, BARSIZE_E_MEASURE},
    {"123", 3, 9, 2, 0, 0, 0, BARSIZE_E_SYMBOLOGY},
    {"", 0, 9, 2, 0, 0, 2, 0}, /* no HRI text to measure: the data is not looked at */
    {"123", 3, BARSIZE_ITF, 2, 0, 0, 0, BARSIZE_E_LENGTH_ITF},
    {"1", 1, BARSIZE_CODE128, 2, 0, 0, 0, BARSIZE_E_LENGTH_CODE128},
    {NULL, 3, BARSIZE_CODE39, 2, 0, 0, 0, BARSIZE_E_NULL_POINTER},
};

static void checkLinearRefusals(void) {
    for (size_t i = 0; i < sizeof linearRefusals / sizeof linearRefusals[0]; ++i) {
        const int32_t plain = dll.getBarCodeWidth(
            linearRefusals[i].data, linearRefusals[i].length, linearRefusals[i].symbology,
            linearRefusals[i].moduleWidth, linearRefusals[i].hriPosition,
            linearRefusals[i].hriCharWidth, linearRefusals[i].measure);
        const int32_t locked = dll.get1DBarCodeWidth(
            linearRefusals[i].data, linearRefusals[i].length, linearRefusals[i].symbology,
            linearRefusals[i].moduleWidth, linearRefusals[i].hriPosition,
            linearRefusals[i].hriCharWidth, linearRefusals[i].measure);
        expect(plain == linearRefusals[i].expected && locked == plain,
               "linear refusal %u: getBarCodeWidth %d, get1DBarCodeWidth %d, expected %d",
               (unsigned)i, plain, locked, linearRefusals[i].expected);
    }
}

static void check2DRefusals(void) {
    const QrParams qr = {50, 4, 48};
    const StackedParams stacked = {3, 0};
    int16_t width = 11, height = 22, status = 33;
    SymbolImage image;
    HGLOBAL handle = (HGLOBAL)(INT_PTR)0x1234;
    int32_t result;

    memset(&image, 0, sizeof image);
    result = dll.getBarCodeWidth2D("1", 1, 50, 0, &qr, &width, &height, &status, &image);
    expect(result == BARSIZE_E_2D_UNSUPPORTED && status == BARSIZE_E_2D_UNSUPPORTED,
           "symbology 50: result %d status %d", result, status);
    expect(width == 11 && height == 22, "symbology 50 wrote the sizes");
    status = 0;
    result = dll.getBarCodeWidth2D("1", 1, 51, 74, &stacked, &width, &height, &status, &image);
    expect(result == -1 && status == -1, "sub-type 74: result %d status %d", result, status);

    /* A refused request leaves the caller's handle variable alone. */
    image.pixels = &handle;
    status = 0;
    result = dll.get2DBarCodeWidth("1", 1, 50, 0, &qr, &width, &height, &status, &image);
    expect(result == -1 && status == -1 && handle == (HGLOBAL)(INT_PTR)0x1234,
           "get2DBarCodeWidth symbology 50: result %d status %d, handle touched: %d", result,
           status, handle != (HGLOBAL)(INT_PTR)0x1234);

    /* Null pointers. */
    result = dll.getBarCodeWidth2D("1", 1, 49, 0, &qr, &width, &height, NULL, &image);
    expect(result == BARSIZE_E_NULL_POINTER, "null outStatus: %d", result);
    status = 0;
    result = dll.getBarCodeWidth2D("1", 1, 49, 0, NULL, &width, &height, &status, &image);
    expect(result == BARSIZE_E_NULL_POINTER && status == BARSIZE_E_NULL_POINTER,
           "null params: result %d status %d", result, status);
    status = 0;
    result = dll.get2DBarCodeWidth("1", 1, 49, 0, &qr, &width, &height, &status, NULL);
    expect(result == BARSIZE_E_NULL_POINTER && status == BARSIZE_E_NULL_POINTER,
           "null image: result %d status %d", result, status);
    status = 0;
    result = dll.get2DBarCodeWidth(NULL, 5, 49, 0, &qr, &width, &height, &status, &image);
    expect(result == BARSIZE_E_NULL_POINTER && handle == (HGLOBAL)(INT_PTR)0x1234,
           "null data: result %d", result);

    result = dll.getGS1Width("1", 1, 75, 3, 0);
    expect(result == -1, "getGS1Width sub-type 75: %d", result);
    result = dll.getGS1Height("1", 1, 75, 3, 0);
    expect(result == -1, "getGS1Height sub-type 75: %d", result);
}

/* ------------------------------------------------------------------------
 * One symbol per family, with the sizes it must have. `landed` says whether
 * the family's encoder is in the library: a row that has not landed is run
 * and reported, and only the rules that hold for any encoder (a refusal
 * leaves the handle variable alone) are checked. Set it to 1 when the
 * encoder lands.
 * ------------------------------------------------------------------------ */

enum Kind { LINEAR, PDF417, QRCODE, STACKED };

typedef struct SymbolCase {
    const char *family;
    int landed;
    enum Kind kind;
    const char *data;
    int32_t symbology;   /* LINEAR: the code; STACKED: the sub-type */
    int32_t moduleWidth; /* LINEAR, STACKED: dots per module */
    int32_t hriPosition, hriCharWidth, measure; /* LINEAR */
    Pdf417Params pdf417;                        /* PDF417 */
    QrParams qr;                                /* QRCODE */
    int32_t width;  /* LINEAR: the result; 2D: outWidth (0: not checked) */
    int32_t height; /* 2D: outHeight (0: not checked) */
} SymbolCase;

static const SymbolCase symbolCases[] = {
    {"UPC/EAN", 1, LINEAR, "01234567890", BARSIZE_UPC_A, 2, 2, 0, 0, {0}, {0}, 190, 0},
    {"Code 39", 1, LINEAR, "123", BARSIZE_CODE39, 2, 0, 0, 0, {0}, {0}, 143, 0},
    {"ITF", 1, LINEAR, "1234", BARSIZE_ITF, 2, 0, 0, 0, {0}, {0}, 81, 0},
    {"Codabar", 1, LINEAR, "A123B", BARSIZE_CODABAR, 2, 0, 0, 0, {0}, {0}, 114, 0},
    {"Code 93", 1, LINEAR, "TEST93", BARSIZE_CODE93, 2, 0, 0, 0, {0}, {0}, 182, 0},
    {"Code 128", 1, LINEAR, "{BABC", BARSIZE_CODE128, 2, 2, 0, 2, {0}, {0}, 106, 0},
    {"DataBar linear", 1, LINEAR, "0950110153000", BARSIZE_DATABAR_OMNI, 2, 0, 0, 0, {0}, {0},
     192, 0},
    {"PDF417", 1, PDF417, "ABC", 0, 0, 0, 0, 0, {0, 0, 2, 3, 0, 1, 0}, {0}, 619, 18},
    {"QR Code", 1, QRCODE, "12345", 0, 0, 0, 0, 0, {0}, {50, 4, 48}, 84, 95},
    {"DataBar stacked", 1, STACKED, "0950110153000", BARSIZE_SUB_STACKED, 3, 0, 0, 0, {0}, {0},
     150, 0},
};

enum { SYMBOL_CASES = sizeof symbolCases / sizeof symbolCases[0] };

static int pending;

static int32_t callLinear(LinearFn fn, const SymbolCase *c) {
    return fn(c->data, (int32_t)strlen(c->data), c->symbology, c->moduleWidth, c->hriPosition,
              c->hriCharWidth, c->measure);
}

static int32_t call2D(Symbol2DFn fn, const SymbolCase *c, int16_t *width, int16_t *height,
                      int16_t *status, SymbolImage *image) {
    const StackedParams stacked = {(uint16_t)c->moduleWidth, 0};
    const int32_t length = (int32_t)strlen(c->data);
    if (c->kind == PDF417)
        return fn(c->data, length, BARSIZE_PDF417, 0, &c->pdf417, width, height, status, image);
    if (c->kind == QRCODE)
        return fn(c->data, length, BARSIZE_QRCODE, 0, &c->qr, width, height, status, image);
    return fn(c->data, length, BARSIZE_DATABAR_STACKED_2D, c->symbology, &stacked, width, height,
              status, image);
}

/* The shortcut exports' answers for the same request: width then height,
 * or -100 where there is no shortcut. */
static void callShortcuts(const SymbolCase *c, int32_t *width, int32_t *height) {
    const int32_t length = (int32_t)strlen(c->data);
    const Pdf417Params *p = &c->pdf417;
    *height = -100;
    if (c->kind == PDF417) {
        *width = dll.getPDF417Width(c->data, length, p->columns, p->rows, p->moduleWidth,
                                    p->rowHeight, p->ecMode, p->ecValue, p->options);
        *height = dll.getPDF417Height(c->data, length, p->columns, p->rows, p->moduleWidth,
                                      p->rowHeight, p->ecMode, p->ecValue, p->options);
    } else if (c->kind == QRCODE) {
        *width = dll.getQRCodeWidth(c->data, length, c->qr.model, c->qr.moduleSize,
                                    c->qr.ecLevel);
    } else {
        *width = dll.getGS1Width(c->data, length, c->symbology, c->moduleWidth, 0);
        *height = dll.getGS1Height(c->data, length, c->symbology, c->moduleWidth, 0);
    }
}

static void checkLinearSymbol(const SymbolCase *c) {
    const int32_t plain = callLinear(dll.getBarCodeWidth, c);
    const int32_t locked = callLinear(dll.get1DBarCodeWidth, c);
    if (!c->landed) {
        ++pending;
        printf("pending %s: %d (expected %d once it lands)\n", c->family, plain, c->width);
        return;
    }
    expect(plain == c->width && locked == plain,
           "%s: getBarCodeWidth %d, get1DBarCodeWidth %d, expected %d", c->family, plain, locked,
           c->width);
}

/* The record's fields as each encoder family fills them. */
static void checkRecord(const SymbolCase *c, const SymbolImage *im, int16_t w, int16_t h) {
    const int outWidth = (uint16_t)w, outHeight = (uint16_t)h;
    expect(im->reserved == 0 && im->pixels != NULL && im->rowCount != 0 &&
               im->bytesPerRow >= (im->width + 7) / 8,
           "%s: record reserved %u, pixels %p, %u rows of %u bytes", c->family, im->reserved,
           im->pixels, im->rowCount, im->bytesPerRow);
    if (c->kind == PDF417)
        expect(im->scaleX == 1 && im->scaleY == 1 && im->extraTopRows == 0 &&
                   im->extraBottomRows == 0 && im->extraWidth == 5 &&
                   outWidth == im->width + 5 && outHeight == im->height &&
                   im->rowCount == im->height,
               "%s: record does not match %d x %d", c->family, outWidth, outHeight);
    if (c->kind == QRCODE)
        expect(im->scaleX == c->qr.moduleSize && im->scaleY == c->qr.moduleSize &&
                   im->bytesPerRow == 80 && im->rowCount == im->height &&
                   im->extraTopRows == 7 && im->extraBottomRows == 4 && im->extraWidth == 0 &&
                   outWidth == im->scaleX * im->width &&
                   outHeight == im->scaleY * im->height + 11,
               "%s: record does not match %d x %d", c->family, outWidth, outHeight);
    if (c->kind == STACKED)
        expect(im->scaleX == 1 && im->scaleY == 1 && im->extraTopRows == 8 &&
                   im->extraBottomRows == 8 && im->extraWidth == 0 && outWidth == im->width &&
                   outHeight == im->rowCount + 16,
               "%s: record does not match %d x %d", c->family, outWidth, outHeight);
}

/* The caller-owned block: movable, at least bytesPerRow x rowCount bytes,
 * holding the library's raster, unlocked, and freed by the caller. */
static void checkBlock(const char *family, HGLOBAL handle, const SymbolImage *image) {
    const SIZE_T size = (SIZE_T)image->bytesPerRow * image->rowCount;
    void *bytes;
    if (handle == NULL) {
        expect(0, "%s: no block handed over", family);
        return;
    }
    expect((GlobalFlags(handle) & GMEM_LOCKCOUNT) == 0, "%s: block left locked", family);
    expect(GlobalSize(handle) >= size, "%s: block of %u bytes, raster %u", family,
           (unsigned)GlobalSize(handle), (unsigned)size);
    bytes = GlobalLock(handle);
    expect(bytes != NULL && bytes != (void *)handle, "%s: block is not a movable one", family);
    if (bytes != NULL) {
        expect(memcmp(bytes, image->pixels, size) == 0, "%s: block differs from the raster",
               family);
        GlobalUnlock(handle);
    }
    expect(GlobalFree(handle) == NULL, "%s: GlobalFree failed", family);
}

static void check2DSymbol(const SymbolCase *c) {
    int16_t width = 0, height = 0, status = 99, plainWidth = 0, plainHeight = 0, plainStatus = 99;
    int32_t result, plain, shortcutWidth, shortcutHeight;
    SymbolImage image, plainImage;
    HGLOBAL handle = (HGLOBAL)(INT_PTR)0x5678;

    memset(&image, 0, sizeof image);
    memset(&plainImage, 0, sizeof plainImage);
    image.pixels = &handle;
    result = call2D(dll.get2DBarCodeWidth, c, &width, &height, &status, &image);
    if (result != 0)
        expect(handle == (HGLOBAL)(INT_PTR)0x5678 && result < 0 && status < 0,
               "%s: refused with %d (status %d) but touched the handle", c->family, result,
               status);
    if (!c->landed) {
        ++pending;
        printf("pending %s: result %d, status %d, %d x %d (expected 0, %d x %d once it lands)\n",
               c->family, result, status, width, height, c->width, c->height);
        if (result == 0 && handle != NULL) GlobalFree(handle);
        return;
    }
    expect(result == 0 && status == 0, "%s: result %d status %d", c->family, result, status);
    if (result != 0) return;
    expect(c->width == 0 || (uint16_t)width == c->width, "%s: width %d, expected %d", c->family,
           width, c->width);
    expect(c->height == 0 || (uint16_t)height == c->height, "%s: height %d, expected %d",
           c->family, height, c->height);
    checkRecord(c, &image, width, height);
    checkBlock(c->family, handle, &image);

    /* The unlocked export and the shortcuts give the same answers. */
    plain = call2D(dll.getBarCodeWidth2D, c, &plainWidth, &plainHeight, &plainStatus,
                   &plainImage);
    expect(plain == 0 && plainWidth == width && plainHeight == height &&
               plainImage.rowCount == image.rowCount,
           "%s: getBarCodeWidth2D %d gives %d x %d", c->family, plain, plainWidth, plainHeight);
    callShortcuts(c, &shortcutWidth, &shortcutHeight);
    expect(shortcutWidth == (uint16_t)width, "%s: width shortcut %d", c->family, shortcutWidth);
    expect(shortcutHeight == -100 || shortcutHeight == (uint16_t)height,
           "%s: height shortcut %d", c->family, shortcutHeight);
}

static void checkSymbols(void) {
    for (int i = 0; i < SYMBOL_CASES; ++i) {
        if (symbolCases[i].kind == LINEAR)
            checkLinearSymbol(&symbolCases[i]);
        else
            check2DSymbol(&symbolCases[i]);
    }
}

/* ------------------------------------------------------------------------
 * Threads through the two locked exports: every answer equals the one
 * computed alone beforehand. The requests come in pairs of one encoder with
 * different data, so without the lock one request's raster or width would
 * show through in another's answer.
 * ------------------------------------------------------------------------ */

static const SymbolCase threadCases[] = {
    {"Code 128", 1, LINEAR, "{BABC", BARSIZE_CODE128, 2, 2, 0, 0, {0}, {0}, 0, 0},
    {"Code 128", 1, LINEAR, "{Bbarsize 0123456789", BARSIZE_CODE128, 3, 2, 0, 0, {0}, {0}, 0, 0},
    {"QR Code", 1, QRCODE, "12345", 0, 0, 0, 0, 0, {0}, {50, 4, 48}, 0, 0},
    {"QR Code", 1, QRCODE, "HELLO WORLD, HELLO PRINTER", 0, 0, 0, 0, 0, {0}, {50, 3, 51}, 0, 0},
    {"PDF417", 1, PDF417, "ABC", 0, 0, 0, 0, 0, {0, 0, 2, 3, 0, 1, 0}, {0}, 0, 0},
    {"PDF417", 1, PDF417, "receipt 0042, total 13.70", 0, 0, 0, 0, 0, {3, 0, 2, 3, 0, 2, 0}, {0},
     0, 0},
    {"DataBar stacked", 1, STACKED, "0950110153000", BARSIZE_SUB_STACKED, 3, 0, 0, 0, {0}, {0},
     0, 0},
    {"DataBar stacked", 1, STACKED, "1234567890123", BARSIZE_SUB_STACKED_OMNI, 2, 0, 0, 0, {0},
     {0}, 0, 0},
};

enum { THREADS = 4, ROUNDS = 300, THREAD_CASES = sizeof threadCases / sizeof threadCases[0] };

typedef struct Expected2D {
    int32_t result;
    int16_t width, height, status;
    SIZE_T size;
    unsigned char *bytes; /* the raster block's bytes, or null */
} Expected2D;

static Expected2D expected2D[THREAD_CASES];
static int32_t expectedLinear[THREAD_CASES];
static LONG threadMismatches;

static void takeBlock(HGLOBAL handle, SIZE_T size, unsigned char **copy) {
    const void *bytes = GlobalLock(handle);
    *copy = malloc(size == 0 ? 1 : size);
    if (bytes != NULL && *copy != NULL) memcpy(*copy, bytes, size);
    GlobalUnlock(handle);
    GlobalFree(handle);
}

static int sameAsAlone(int i) {
    const SymbolCase *c = &threadCases[i];
    if (c->kind == LINEAR) return callLinear(dll.get1DBarCodeWidth, c) == expectedLinear[i];
    {
        const Expected2D *e = &expected2D[i];
        int16_t width = 0, height = 0, status = 0;
        SymbolImage image;
        HGLOBAL handle = NULL;
        int same;
        memset(&image, 0, sizeof image);
        image.pixels = &handle;
        same = call2D(dll.get2DBarCodeWidth, c, &width, &height, &status, &image) == e->result &&
               status == e->status;
        if (e->result != 0) return same;
        same = same && width == e->width && height == e->height && handle != NULL;
        if (handle != NULL) {
            const void *bytes = GlobalLock(handle);
            same = same && bytes != NULL && e->bytes != NULL &&
                   memcmp(bytes, e->bytes, e->size) == 0;
            GlobalUnlock(handle);
            GlobalFree(handle);
        }
        return same;
    }
}

static DWORD WINAPI threadBody(LPVOID arg) {
    const int first = (int)(INT_PTR)arg;
    for (int round = 0; round < ROUNDS; ++round) {
        const int i = (first + round) % THREAD_CASES;
        if (!sameAsAlone(i)) InterlockedIncrement(&threadMismatches);
    }
    return 0;
}

static void checkThreads(void) {
    HANDLE threads[THREADS];
    int started = 0;
    for (int i = 0; i < THREAD_CASES; ++i) {
        const SymbolCase *c = &threadCases[i];
        if (c->kind == LINEAR) {
            expectedLinear[i] = callLinear(dll.get1DBarCodeWidth, c);
        } else {
            Expected2D *e = &expected2D[i];
            SymbolImage image;
            HGLOBAL handle = NULL;
            memset(&image, 0, sizeof image);
            image.pixels = &handle;
            e->result = call2D(dll.get2DBarCodeWidth, c, &e->width, &e->height, &e->status, &image);
            if (e->result == 0 && handle != NULL) {
                e->size = (SIZE_T)image.bytesPerRow * image.rowCount;
                takeBlock(handle, e->size, &e->bytes);
            }
        }
    }
    for (int t = 0; t < THREADS; ++t) {
        threads[t] = CreateThread(NULL, 0, threadBody, (LPVOID)(INT_PTR)t, 0, NULL);
        if (threads[t] != NULL) ++started;
    }
    expect(started == THREADS, "only %d of %d threads started", started, THREADS);
    for (int t = 0; t < THREADS; ++t) {
        if (threads[t] == NULL) continue;
        WaitForSingleObject(threads[t], INFINITE);
        CloseHandle(threads[t]);
    }
    expect(threadMismatches == 0, "%ld answers under threads differ from the answers alone",
           (long)threadMismatches);
    for (int i = 0; i < THREAD_CASES; ++i) free(expected2D[i].bytes);
}

int main(int argc, char **argv) {
    const char *path = argc > 1 ? argv[1] : "barsize.dll";
    HMODULE library = LoadLibraryA(path);
    expect(library != NULL, "LoadLibrary(%s) failed with %lu", path,
           (unsigned long)GetLastError());
    if (library != NULL && loadExports(library)) {
        checkLinearRefusals();
        check2DRefusals();
        checkSymbols();
        checkThreads();
    }
    /* Process detach deletes the lock; the library must unload cleanly. */
    if (library != NULL) expect(FreeLibrary(library) != 0, "FreeLibrary failed");
    if (pending != 0) printf("%d symbol cases pending (their encoders have not landed)\n", pending);
    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
