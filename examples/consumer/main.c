/* Measures one barcode through the installed library. */
#include <stdio.h>

#include <barsize.h>

int main(void) {
    int32_t width = getBarCodeWidth("{BHello", 7, BARSIZE_CODE128, 2, 0, 0, 1);
    int32_t refused = getBarCodeWidth("{BHello", 7, BARSIZE_CODE128, 9, 0, 0, 1);
    printf("Code 128 \"Hello\": %d dots\n", width);
    return refused == BARSIZE_E_MODULE_WIDTH ? 0 : 1;
}
