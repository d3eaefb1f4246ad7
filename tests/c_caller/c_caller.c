/* A C caller of the shared library: the header compiles as C and every
 * export links (on Windows through the import library, by the decorated
 * __stdcall names the header produces). Prints nothing on success. */
#include <stdio.h>

#include "barsize.h"

int main(void) {
    int failures = 0;
    int16_t width = 0, height = 0, status = 0;
    SymbolImage image = {0};
    QrParams qr = {50, 4, 48};

    /* Parameter checks need no encoder. */
    if (getBarCodeWidth("123", 3, BARSIZE_CODE39, 7, 0, 0, 0) != BARSIZE_E_MODULE_WIDTH) {
        puts("getBarCodeWidth: module width 7 not refused");
        ++failures;
    }
    if (get1DBarCodeWidth("123", 3, 9, 2, 0, 0, 0) != BARSIZE_E_SYMBOLOGY) {
        puts("get1DBarCodeWidth: symbology 9 not refused");
        ++failures;
    }
    if (getBarCodeWidth2D("1", 1, 50, 0, &qr, &width, &height, &status, &image) != -1 ||
        status != -1) {
        puts("getBarCodeWidth2D: symbology 50 not refused");
        ++failures;
    }
    if (getGS1Width("1", 1, 75, 3, 0) != -1 || getGS1Height("1", 1, 75, 3, 0) != -1) {
        puts("getGS1Width/Height: sub-type 75 not refused");
        ++failures;
    }
    /* The remaining exports link and answer. */
    (void)get2DBarCodeWidth("12345", 5, BARSIZE_QRCODE, 0, &qr, &width, &height, &status, &image);
    (void)getQRCodeWidth("12345", 5, 50, 4, 48);
    (void)getPDF417Width("ABC", 3, 0, 0, 2, 3, 0, 1, 0);
    (void)getPDF417Height("ABC", 3, 0, 0, 2, 3, 0, 1, 0);
#if !defined(_WIN32)
    (void)barsizeBlockSize(NULL);
    barsizeBlockFree(NULL);
#endif
    return failures == 0 ? 0 : 1;
}
