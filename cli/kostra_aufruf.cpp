#include "cli/kostra_aufruf.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "calc/standort.h"
#include "files/kostra_tabelle.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

constexpr std::string_view Aufruf =
    "Aufruf: dkm-rechner --kostra TABELLE --zelle NUMMER\n"
    "        dkm-rechner --kostra TABELLE --ort BREITE LAENGE\n";

std::string Zahl(float w) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, w).ptr);
}

std::string Prozent(int uc) { return uc < 0 ? "null" : std::to_string(uc); }

std::string Json(const Kostra_Werte& w) {
    return "{\"zelle\": \"" + Feldtext(w.feld) + "\", \"zeile\": " + std::to_string(w.feld.zeile) +
           ", \"spalte\": " + std::to_string(w.feld.spalte) + ", \"r5_5\": " + Zahl(w.r5_5) +
           ", \"r5_100\": " + Zahl(w.r5_100) + ", \"uc5_5\": " + Prozent(w.uc5_5) +
           ", \"uc5_100\": " + Prozent(w.uc5_100) + ", \"quelle\": \"" + std::string(Kostra_Quelle) + "\"}\n";
}

Rechnerlauf Abgelehnt(int status, const std::string& text) { return {status, "", "dkm-rechner: " + text + "\n"}; }

}  // namespace

bool Ist_Kostra_Aufruf(const std::vector<std::string>& a) {
    // after "--" only file names follow
    return std::find(a.begin(), std::find(a.begin(), a.end(), "--"), "--kostra") != a.end();
}

Rechnerlauf Kostra_Rechner(const std::vector<std::string>& a) {
    std::optional<std::string> tabelle, zelle, breite, laenge;
    bool falsch = false;
    for (size_t i = 0; i < a.size() && !falsch; ++i) {
        const size_t rest = a.size() - i - 1;
        if (a[i] == "--kostra" && rest >= 1 && !tabelle) {
            tabelle = a[++i];
        } else if (a[i] == "--zelle" && rest >= 1 && !zelle && !breite) {
            zelle = a[++i];
        } else if (a[i] == "--ort" && rest >= 2 && !zelle && !breite) {
            breite = a[++i];
            laenge = a[++i];
        } else {
            falsch = true;
        }
    }
    if (falsch || !tabelle || (!zelle && !breite)) return {2, "", "dkm-rechner: falscher Aufruf.\n" + std::string(Aufruf)};

    // the place first: a mistyped place needs no table read
    const Feldsuche s = zelle ? Feld_fuer_Nummer(*zelle) : Feld_fuer_Ort(*breite, *laenge);
    if (!s) return Abgelehnt(1, s.fehler().text);
    const Kostra_Lesen t = Kostra_Tabelle_lesen(*tabelle);
    if (!t) return Abgelehnt(1, t.fehler().text);
    const auto w = t->werte(*s);
    if (!w) return Abgelehnt(1, Kostra_keine_Werte_Text(*s));
    return {0, Json(*w), w->aus_hoehen ? "dkm-rechner: Hinweis: " + std::string(meldung::Kostra_aus_Hoehen) + "\n" : ""};
}

}  // namespace dkm
