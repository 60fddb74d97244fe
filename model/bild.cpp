#include "model/bild.h"

namespace dkm {

std::string Zeile::text() const {
    std::string s;
    for (const Stueck& st : stuecke) s += st.text;
    return s;
}

size_t Zeichenzahl(std::string_view s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

void Bild::leeren() {
    zeilen_.clear();
    offen_ = false;
    zeichnung = {};
}

Zeile& Bild::aktuelle_zeile() {
    if (!offen_ || zeilen_.empty()) {
        zeilen_.emplace_back();
        offen_ = true;
    }
    return zeilen_.back();
}

void Bild::drucken(std::string_view text, Stil stil, bool zeilenende) {
    Zeile& z = aktuelle_zeile();
    if (!text.empty()) z.stuecke.push_back({std::string(text), stil});
    offen_ = !zeilenende;
}

void Bild::spalte(int n) {
    Zeile& z = aktuelle_zeile();
    size_t laenge = Zeichenzahl(z.text());
    size_t ziel = n > 1 ? static_cast<size_t>(n - 1) : 0;
    if (laenge < ziel) z.stuecke.push_back({std::string(ziel - laenge, ' '), {}});
    else if (laenge > ziel) z.stuecke.push_back({" ", {}});
    offen_ = true;
}

std::vector<std::string> Bild::texte() const {
    std::vector<std::string> v;
    v.reserve(zeilen_.size());
    for (const Zeile& z : zeilen_) v.push_back(z.text());
    return v;
}

}  // namespace dkm
