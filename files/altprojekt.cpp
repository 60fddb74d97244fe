#include "files/altprojekt.h"

namespace dkm {

// Not read yet: such a file is refused like a damaged one.
std::optional<Projektdaten> Altprojekt_lesen(Zeilenleser&, const std::string&, const Formular&, Dialoge&) {
    return std::nullopt;
}

}  // namespace dkm
