#include "qrcode/qr_state.h"

namespace barsize::qrcode {

QrState qrState;

const QrVersionRow &versionRow(QrModel model, int versionIndex) {
    return model == Model1 ? kModel1Versions[versionIndex] : kModel2Versions[versionIndex];
}

int versionCount(QrModel model) {
    return model == Model1 ? kModel1VersionCount : kModel2VersionCount;
}

}  // namespace barsize::qrcode
