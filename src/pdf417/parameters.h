// The caller's Pdf417Params normalised into the encoder's settings.
#pragma once

#include "barsize.h"
#include "pdf417/records.h"

namespace barsize::pdf417 {

// Normalises every field the way the printer does and fills the settings.
void settingsFromParams(const Pdf417Params &params, Pdf417Settings &settings);

}  // namespace barsize::pdf417
