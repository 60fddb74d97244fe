// The user's own firm, printed in the issuer line of the report.
#pragma once

#include <string>

namespace dkm {

struct Aussteller {
    std::string name, strasse, ort, telefon;
};

// name, ", " street, ", " place, ", Tel.: " telephone; each separator only
// when the part after it is not empty. Line breaks become blanks.
std::string Ausstellerzeile(const Aussteller& a);

}  // namespace dkm
