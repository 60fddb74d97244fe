// Page 1 and what both pages share: the head and the segment rows.
#include "report/bericht.h"

#include <algorithm>
#include <charconv>

#include "calc/eingaben.h"
#include "model/aussteller.h"
#include "model/meldungen.h"
#include "model/zahlen.h"
#include "report/schreiber.h"

namespace dkm::bericht {

Lage::Lage(const Formular& f_, const Berichtsform& form_) : f(f_), form(form_) {
    for (size_t j = 0; j < 8; ++j) laenge[j] = f.werte.Laenge[j] != 0;
    innen = f[S::Option2];
    gesamt = Ist_gesamt(f);
    fallrohre = f.werte.Anzahl_Stutzen;
    teilstrecken = static_cast<int>(Ganzzahl(f.werte.Anzahl_Teilstrecken));
    insgesamt = gesamt && fallrohre > 4;
}

std::string Kurzzahl(float wert, const std::string& sep) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, wert, std::chars_format::fixed);
    std::string s(buf, r.ptr);
    if (const size_t p = s.find('.'); p != std::string::npos) s.replace(p, 1, sep);
    return s;
}

std::string Durchmesser(const std::optional<int>& mm) { return mm ? Ganzzahltext(*mm) : " > 300"; }

void Kopf(Schreiber& w, const Lage& l, int seite) {
    const bool papier = l.form.papier;
    if (!papier) {
        w.zeile({E(60, "                Beim Ausdruck ist hier etwa ")});
        w.zeile({E(60, "                70 mm Platz für ein Firmen-")});
        w.zeile({E(60, "                Logo oder einen Kopfbogen.")});
        w.leer();
    }
    const std::string titel = "Dachkandelmesser nach DIN EN 12056-3 und DIN 1986-100";
    if (seite == 1) {
        if (papier) {
            w.zeile({E(0, std::string(8, ' '))});
            w.zeile({E(0, std::string(9, ' '), true)}, 2);
            w.leer(13, 1);
            w.zeile({E(5, std::string(17, ' ') + titel, true)}, 2);
        } else {
            w.zeile({E(5, std::string(18, ' ') + titel, true)});
        }
    } else {
        if (papier) w.leer(17);
        w.zeile({E(5, titel)});
    }
    const std::string strich(papier ? 91 : 75, '_');
    w.zeile({K(5, Ausstellerzeile(l.form.aussteller))});
    w.zeile({E(5, strich)});
    w.zeile({E(l.rechts(), l.form.datum)});
    w.zeile({U(5, "Projekt:"), E(l.rechts(), seite == 1 ? "   - Seite 1 -" : "   - Seite 2 -")});
}

size_t TS_Nummern(Schreiber& w, const Lage& l, Eintrag label) {
    std::vector<Eintrag> z;
    if (!label.text.empty()) z.push_back(std::move(label));
    const int versatz = l.ts(1) ? 0 : 1;  // an outlet at the gutter end numbers from the second column
    for (int i = 1; i <= 8; ++i) {
        if (!l.ts(i)) continue;
        std::string nr = Ganzzahltext(i - versatz);
        if (l.insgesamt && i == 8) nr += "  ...";
        z.push_back(E(Lage::nr_spalte(i), nr));
    }
    w.zeile(std::move(z));
    return w.zeilen() - 1;
}

void TS_Reihe(Schreiber& w, const Lage& l, const std::string& label, const std::array<float, 8>& werte) {
    std::vector<Eintrag> z{E(5, label)};
    for (int i = 1; i <= 8; ++i)
        if (l.ts(i)) z.push_back(E(Lage::ts_spalte(i), Muster(werte[static_cast<size_t>(i - 1)], "0.00", l.sep())));
    w.zeile(std::move(z));
}

void FR_Reihe(Schreiber& w, const Lage& l, const std::string& label, const std::array<std::string, 4>& zellen) {
    std::vector<Eintrag> z{E(5, label)};
    for (int k = 1; k <= 4; ++k)
        if (l.fallrohr(k)) z.push_back(E(Lage::fr_spalte(k), zellen[static_cast<size_t>(k - 1)]));
    w.zeile(std::move(z));
}

std::array<std::string, 4> FR_Werte(const Lage& l, const std::array<float, 4>& werte, const char* muster) {
    std::array<std::string, 4> z;
    for (size_t k = 0; k < 4; ++k) z[k] = Muster(werte[k], muster, l.sep());
    return z;
}

namespace {

std::string Rinnenart_Text(const Formular& f) {
    if (!f[S::Option2]) return "Vorgehängte Rinne,";
    if (f[S::Option3]) return "Innenliegende Rinne mit Notabläufen an beiden Stirnseiten,";
    if (f[S::Option4]) return "Innenliegende Rinne mit Notabläufen an nur einer Stirnseiten,";
    if (f[S::Option5])
        return "Innenliegende Rinne mit " + Ganzzahltext(f.werte.innen.Anzahl_Notueberlaeufe) +
               " Notabläufen an der Längsseite der Rinne,";
    return "";
}

void Vorgaben(Schreiber& w, const Lage& l) {
    const Formular& f = l.f;
    w.zeile({E(5, "Vorgaben:", true, true)});
    w.zeile({E(5, Rinnenart_Text(f))});
    w.leer();
    std::string stadt = f[L::Combo_Wahl_Regensp].text;
    if (stadt.empty() || stadt == "Stadt auswählen") stadt = " (keine Stadt gewählt)";
    w.zeile({E(5, "Niederschlagswerte für "), K(0, stadt), E(0, " mit:")});
    w.zeile({E(5, "Berechnungsregen: "), K(35, f[T::r5_5]), E(0, " l/(s*ha)")});
    w.zeile({E(5, "Jahrhundertregen: "), K(35, f[T::r5_100]), E(0, " l/(s*ha)")});
    w.leer();
    w.zeile({E(5, "Abflussbeiwert: "), K(35, f[L::Combo_Abfl_beiwert].text)});
    const std::string& schutz = f[L::Combo_Schutzfaktor].text;
    w.zeile({E(5, "Sicherheitfaktor: "),
             K(35, schutz == "kein bes. Schutz (f=1)" ? "kein Sicherheitsfaktor gewählt, (f = 1)" : schutz)});
    if (!l.innen) {
        w.zeile({E(5, "Notabfluss: "), E(35, "über die Rinnenvorderkante.")});
    } else {
        const std::string& diff = f[L::Combo_Diff_Notueberl].text;
        std::vector<Eintrag> z{E(5, "Abfluss der Notabläufe: ")};
        if (diff == "ohne Berechnungsregen") z.push_back(E(35, "Jahrhunderregen abzüglich Berechnungsregen."));
        else if (diff == "Jahrhundertregen voll")
            z.push_back(E(35, "Jahrhunderregen (ohne Abzug Berechnungsregen)."));
        w.zeile(std::move(z));
    }
    const float hindernis = Einzelwert(f[T::Text5]);
    if (hindernis != 0) {
        std::string t = Kurzzahl(hindernis, l.sep()) + " cm²";
        // both gutters to measure lose the obstacle's area, the standard sizes neither
        if (!l.innen) t += " (wird nur bei Rinnen ´nach Bedarf´ eingerechnet).";
        w.zeile({E(5, "Hindernis im Wasserlauf: "), E(35, t)});
    } else {
        w.zeile({E(5, "Hindernis im Wasserlauf:"), E(35, "(keine Angabe)")});
    }
    w.leer();
    w.zeile({E(5, f[S::Check_Schutzkorb] ? "Im Rinnenabfluss ist ein Sieb/Laubfang eingebaut"
                                         : "Kein Sieb/Laubfang im Rinnenabfluss")});
    w.zeile({E(5, "Fallrohr ohne Bogen größer 80° (weniger als 10° Gefälle) ")});
    w.leer();
}

size_t Masse(Schreiber& w, const Lage& l) {
    const Formular& f = l.f;
    const Rechenwerte& r = f.werte;
    w.zeile({E(5, "Maß-Vorgaben:", true, true)});
    w.zeile({U(5, "Ges.Rinnenlänge:"), U(28, "Ges. Einzugsfläche:"), U(51, "Anzahl Abflüsse:"),
             U(74, "Anordnung Abflüsse:")});
    const std::string anordnung = f[S::Option6]   ? "alle innerhalb"
                                  : f[S::Option7] ? "eine Seite innen, eine aussen"
                                  : f[S::Option8] ? "beidseits aussen"
                                                  : "";
    w.zeile({E(5, Muster(r.Gesamtlaenge, ".00 m", l.sep())), E(28, Muster(r.Gesamtflaeche, ".00 m²", l.sep())),
             E(51, Muster(static_cast<float>(r.Anzahl_Stutzen), "0 Stück", l.sep())), E(74, anordnung)});
    w.leer();
    w.zeile({U(5, "Teilstrecken:")});
    w.zeile({E(5, "Schema:")});
    w.leer(l.form.papier ? 2 : 1);
    const size_t nummern = TS_Nummern(w, l, l.form.papier ? Eintrag{} : E(5, "TS-Nummer:"));
    std::array<float, 8> breite{};
    for (int i = 1; i <= 8; ++i) breite[static_cast<size_t>(i - 1)] = Einzelwert(f[Breite(i)]);
    TS_Reihe(w, l, "Rinnenlänge (m):", r.Laenge);
    TS_Reihe(w, l, "Dachbreite (m):", breite);
    TS_Reihe(w, l, "Zusatzfläche (m²):", r.Zusatz_Flaeche);
    std::vector<Eintrag> winkel{E(5, "Rinnenwinkel:")};
    for (int i = 1; i <= 8; ++i)
        if (l.ts(i)) winkel.push_back(E(Lage::ts_spalte(i), f[Check(i)] ? "ja" : "nein"));
    w.zeile(std::move(winkel));
    if (l.insgesamt)
        w.zeile({E(5, "Es werden nur die ersten der insgesamt " + Ganzzahltext(l.teilstrecken) +
                          " Teilstrecken wiedergegeben.")});
    return nummern;
}

}  // namespace

size_t Seite1(Schreiber& w, const Lage& l) {
    const Formular& f = l.f;
    Kopf(w, l, 1);
    w.zeile({K(5, f[T::Bauherr])});
    w.zeile({K(5, f[T::strasse])});
    w.zeile({K(5, f[T::PLZ_Ort])});
    w.zeile({E(5, "Tel: "), K(0, f[T::Telef])});
    w.zeile({E(5, "Fax: "), K(0, f[T::Fax])});
    w.zeile({E(5, "Bemerkungen: "), Umbruch(0, f[T::Bemerkungen])});
    w.zeile({E(5, std::string(l.form.papier ? 91 : 75, '_'))});
    w.leer();
    Vorgaben(w, l);
    return Masse(w, l);
}

Bericht Bericht_zusammenstellen(const Formular& f, const Berichtsform& form) {
    Bericht b;
    b.papier = form.papier;
    b.schriftgroesse = form.papier ? form.S : 8;
    b.spaltenfaktor = form.papier ? 1.4 : 1;
    b.spaltenversatz = form.papier ? 5 : 0;
    b.tabbreite = Tabbreite(form);
    b.zeilenschritt_je_punkt = Zeilenschritt(form) / b.schriftgroesse;
    const Lage l(f, form);
    Schreiber eins(b.seiten[0]);
    const size_t nummern = Seite1(eins, l);
    b.seiten[0].zeichnungen.push_back(Schema(l, 1, nummern));
    Schreiber zwei(b.seiten[1]);
    Seite2(zwei, l);
    return b;
}

namespace {
Fehler Verweigert(const Meldungstext& m) { return {std::string(m.text), std::string(m.titel)}; }
}  // namespace

Erfolg<Bericht> Bericht_erstellen(const Formular& f, const Berichtsform& form) {
    if (!Massluecken(Teilstrecken_einlesen(f)).empty()) return Verweigert(meldung::Masse_fehlen);
    // the run that stopped said why; results stale for missing measures say that
    if (!f.Ergebnisse_aktuell)
        return f.Anhaltgrund.titel.empty() ? Verweigert(meldung::Masse_fehlen) : f.Anhaltgrund;
    const Lage l(f, form);
    if (std::none_of(l.laenge.begin(), l.laenge.end(), [](bool b) { return b; }))
        return Verweigert(meldung::Bericht_ohne_Masse);
    return Bericht_zusammenstellen(f, form);
}

}  // namespace dkm::bericht
