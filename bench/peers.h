// The open-source peers, each encoding the same symbol as one of our cases.
// Present only when the peer library was found at configure time.
#pragma once

#include <string>

namespace barsize::bench {

// libzint: one symbol struct per case, cleared and encoded per iteration
// (ZBarcode_Clear then ZBarcode_Encode, no rendering).
struct ZintJob {
    int symbology = 0;
    int option1 = -1;
    int option2 = 0;
    int option3 = 0;
    int inputMode = 0;  // DATA_MODE
    std::string data;
};

// libqrencode: QRcode_encodeString (mode analysis; Kanji hint when `kanji`)
// or, for `bytes`, QRcode_encodeData (all 8-bit); the result freed per call.
struct QrencodeJob {
    int level = 0;  // 0 L, 1 M, 2 Q, 3 H
    bool kanji = false;
    bool bytes = false;
    std::string data;
};

bool haveZint();
bool haveQrencode();

// Register the peer's case "<name>/<peer>"; nothing if the peer is absent.
void addZint(const std::string &name, const char *peer, const ZintJob &job);
void addQrencode(const std::string &name, const QrencodeJob &job);

// zint's option_3 for a QR Code with its mask forced to 000.
int zintQrMask000();
// zint's option_3 flag that lets Shift JIS byte pairs use Kanji mode.
int zintFullMultibyte();

}  // namespace barsize::bench
