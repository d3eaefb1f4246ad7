#include "linear_status_text.h"

#include "symbology_names.h"

namespace barsize::cli {

std::string explainLinearStatus(int symbology, int status, const std::string &data) {
    const std::string name = symbologyName(symbology);
    const bool databar = symbology >= 75 && symbology <= 78;
    switch (status) {
        case -99: return "the data pointer is null";
        case -3: return "module width must be 2 to 6 dots";
        case -4: return "HRI position must be 0 to 3";
        case -5: return "HRI character width must be 0 to 2 or 6 to 32 dots";
        case -6: return "measure must be 0 (larger), 1 (bars) or 2 (text)";
        case -10: return name + " is not a linear symbology";
        default: break;
    }
    if (databar) {
        switch (status) {
            case -12: return name + " data must be 13 digits (" + std::to_string(data.size()) + " given)";
            case -20: return name + " data must be digits only";
            case -15: return name + ": the element string was rejected";
            case -1: return name + ": the symbol could not be built from this data";
            default: break;
        }
    }
    if (status <= -11 && status >= -19)
        return name + " data has a length the symbology does not allow (" +
               std::to_string(data.size()) + " bytes)";
    if (status <= -21 && status >= -39) return name + " data holds a character it cannot encode";
    return name + ": status " + std::to_string(status);
}

}  // namespace barsize::cli
