// The issuer line of the report.
#include "model/aussteller.h"

namespace dkm {

namespace {

std::string einzeilig(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return s;
}

}  // namespace

std::string Ausstellerzeile(const Aussteller& a) {
    std::string z = einzeilig(a.name);
    if (!a.strasse.empty()) z += ", " + einzeilig(a.strasse);
    if (!a.ort.empty()) z += ", " + einzeilig(a.ort);
    if (!a.telefon.empty()) z += ", Tel.: " + einzeilig(a.telefon);
    return z;
}

}  // namespace dkm
