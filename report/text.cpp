// The report pages as plain text lines, columns filled with blanks.
#include "report/text.h"

#include <algorithm>

#include "model/bild.h"
#include "report/form.h"

namespace dkm::bericht {

namespace {

void abschliessen(std::string& aus, std::string& zeile) {
    while (!zeile.empty() && zeile.back() == ' ') zeile.pop_back();
    aus += zeile;
    aus += '\n';
    zeile.clear();
}

void Seite_als_Text(std::string& aus, const Seite& s, const Bericht& b) {
    for (const Zeile& z : s.zeilen) {
        std::string zeile;
        size_t laenge = 0;  // characters, not bytes
        for (const Eintrag& e : z.eintraege) {
            if (e.spalte > 0) {
                const size_t ziel = static_cast<size_t>(std::max(Tabspalte(e.spalte, b.spaltenfaktor, b.spaltenversatz), 1) - 1);
                if (laenge > ziel) {
                    abschliessen(aus, zeile);
                    laenge = 0;
                }
                zeile.append(ziel - laenge, ' ');
                laenge = ziel;
            }
            zeile += e.text;
            laenge += Zeichenzahl(e.text);
        }
        abschliessen(aus, zeile);
    }
}

}  // namespace

std::string Als_Text(const Bericht& b) {
    std::string aus;
    for (size_t i = 0; i < b.seiten.size(); ++i) {
        if (i > 0) aus += "\f\n";
        Seite_als_Text(aus, b.seiten[i], b);
    }
    return aus;
}

}  // namespace dkm::bericht
