// The record's frame and the blocks both gutter kinds share: basis, inputs,
// loads, notes, the signature line, and the break into pages.
#include "report/nachweis.h"

#include <algorithm>

#include "model/kostra.h"
#include "model/meldungen.h"
#include "model/tabellen.h"
#include "model/zahlen.h"
#include "report/satz.h"

namespace dkm::bericht {

std::string Nachweislage::z(float wert, const char* muster) const { return Muster(wert, muster, l.sep()); }

std::vector<size_t> Nachweislage::Zeilen() const {
    std::vector<size_t> z;
    for (int i = 1; i <= 8; ++i)
        if (l.ts(i) && (!l.gesamt || z.empty())) z.push_back(static_cast<size_t>(i - 1));
    return z;
}

std::string Nachweislage::Nummer(size_t j) const {
    // an outlet at the gutter end numbers from TS 2 on, as on pages 1 and 2
    return Ganzzahltext(static_cast<long long>(j) + 1 - (l.ts(1) ? 0 : 1));
}

std::string Nachweislage::Name(size_t j) const {
    const long long nr = static_cast<long long>(j) + 1 - (l.ts(1) ? 0 : 1);
    if (!l.gesamt) return Ganzzahltext(nr);
    const int n = l.teilstrecken > 0 ? l.teilstrecken : static_cast<int>(std::count(l.laenge.begin(), l.laenge.end(), true));
    return n > 1 ? Ganzzahltext(nr) + "–" + Ganzzahltext(nr + n - 1) : Ganzzahltext(nr);
}

Schreiber& Bloecke::neu(const std::string& titel) {
    anfaenge_.push_back(w_.zeilen());
    w_.leer();
    if (!titel.empty()) w_.zeile({E(5, titel, true)});
    return w_;
}

namespace {

bool Aus_Ortstabelle(const Formular& f) {
    const std::string_view ort = ohne_endblanks(f[L::Combo_Wahl_Regensp].text);
    return std::any_of(Orte.begin(), Orte.end(), [&](const Ort& o) {
        return ohne_endblanks(o.name) == ort && static_cast<float>(o.r5_5) == f.werte.r5_5 &&
               static_cast<float>(o.r5_100) == f.werte.r5_100;
    });
}

void Grundlagen(Bloecke& b, const Nachweislage& n) {
    const Formular& f = n.l.f;
    Schreiber& w = b.neu("Grundlagen");
    w.zeile({E(5, "Bemessung nach DIN EN 12056-3:2001-01 und DIN 1986-100:2016-12.")});
    if (!n.l.innen) w.zeile({E(5, "Normgrößen der vorgehängten Rinnen nach DIN 18461 (zurückgezogen).")});
    w.zeile({E(5, "Fallrohre nach Tabelle: Füllungsgrad 0,33 mit Einlauftrichter, 0,2 ohne Trichter.")});
    w.zeile({E(5, "Gerechnet wird ungerundet; die Zahlen hier sind gerundet (2 · 1,995 ergibt 3,99).")});
    const std::string ort = f[L::Combo_Wahl_Regensp].text;
    if (const Kostra_Ort* k = Regen_aus_Rasterfeld(f)) {
        w.zeile({E(5, "Regenspenden: KOSTRA-DWD-2020, Rasterfeld " + Feldtext(k->werte.feld) + " („"), K(0, ort),
                 E(0, "“)")});
        w.zeile({E(19, "r(5,5) = " + Regenspende_Band(k->werte.r5_5, k->werte.uc5_5, n.l.sep()) + ", r(5,100) = " +
                           Regenspende_Band(k->werte.r5_100, k->werte.uc5_100, n.l.sep()))});
        w.zeile({E(19, std::string(meldung::Kostra_Datenbasis))});
    } else if (Aus_Ortstabelle(f)) {
        w.zeile({E(5, "Regenspenden: Ortstabelle des Programms nach DIN 1986-100, Anhang A: "), K(0, ort)});
    } else {
        w.zeile({E(5, "Regenspenden: eigene Werte des Anwenders (Ort: "),
                 K(0, ort.empty() || ort == Ort_Starttext ? "keiner" : ort), E(0, ")")});
    }
}

void Eingaben(Bloecke& b, const Nachweislage& n) {
    const Lage& l = n.l;
    const Formular& f = l.f;
    const Rechenwerte& r = f.werte;
    Schreiber& w = b.neu("Eingaben");
    w.zeile({E(5, "Rinne:"), E(26, l.innen ? "innenliegende Rinne" : "vorgehängte Rinne")});
    if (l.gesamt) {
        const std::string anordnung = f[S::Option7]   ? "eine Seite innen, eine aussen"
                                      : f[S::Option8] ? "beidseits aussen"
                                                      : "alle innerhalb";
        w.zeile({E(5, "Maße:"), E(26, "Gesamtmaße: L = " + n.z(r.Gesamtlaenge, "0.00 m") + ", A = " +
                                          n.z(r.Gesamtflaeche, "0.00 m²") + ", " + Ganzzahltext(r.Anzahl_Stutzen) +
                                          " Abläufe (" + anordnung + ")")});
    } else {
        w.zeile({E(5, "Maße:"), E(26, "Einzelmaße je Teilstrecke")});
    }
    w.zeile({E(5, "Regenspenden:"),
             E(26, "r(5,5) = " + n.k(r.r5_5) + " l/(s·ha),  r(5,100) = " + n.k(r.r5_100) + " l/(s·ha)")});
    w.zeile({E(5, "Abflussbeiwert:"), E(26, "C = " + n.k(r.Abflussbeiwert) + "  ("), K(0, f[L::Combo_Abfl_beiwert].text),
             E(0, ")")});
    w.zeile({E(5, "Sicherheitsfaktor:"), E(26, "f = " + n.k(r.Sicherheitsfaktor) + "  ("),
             K(0, f[L::Combo_Schutzfaktor].text), E(0, ")")});
    const float hindernis = Einzelwert(f[T::Text5]);
    w.zeile({E(5, "Hindernis:"), E(26, hindernis == 0 ? std::string("keines")
                                                      : n.k(hindernis) + " cm², Abzug von der benetzten Fläche " +
                                                            n.z(r.Hindernisabzug, "0 mm²"))});
    w.zeile({E(5, "Sieb/Laubfang:"), E(26, f[S::Check_Schutzkorb] ? "im Ablauf eingebaut" : "keines")});
    if (l.innen) {
        const Innen_Werte& iw = r.innen;
        w.zeile({E(5, "Rinnenbreite unten:"), E(26, "B = " + n.k(iw.Rinnenbreite_unten_mm) + " mm,  Außenwinkel links " +
                                                        n.k(iw.Winkel_links) + "°, rechts " + n.k(iw.Winkel_rechts) +
                                                        "°")});
        const std::string art = f[S::Option3]   ? "an beiden Stirnseiten"
                                : f[S::Option4] ? "an einer Stirnseite"
                                                : "in der Längsseite, N = " + Ganzzahltext(iw.Anzahl_Notueberlaeufe);
        w.zeile({E(5, "Notüberläufe:"), E(26, art + ",  Regen: "), K(0, f[L::Combo_Diff_Notueberl].text)});
        if (f[S::Option5]) w.zeile({E(5, "Höhenkorrektur:"), E(26, n.z(iw.Hoehenkorrektur_mm, "0 mm"))});
    } else {
        w.zeile({E(5, "Kastenrinne:"), E(26, "Höhe/Breite = " + n.k(r.traufe.Verhaeltnis_HB) + " (nach Bedarf)")});
    }
}

void Lasten_Block(Bloecke& b, const Nachweislage& n) {
    const Lage& l = n.l;
    const Rechenwerte& r = l.f.werte;
    Schreiber& w = b.neu("Teilstrecken und Lasten");
    w.zeile({E(5, "A = B · L + Z;   Q = r(5,5) · C · f · A / 10 000" +
                      std::string(l.innen ? ";   Q100 = r(5,100) · f · A / 10 000" : ""))});
    const std::vector<size_t> zeilen = n.Zeilen();
    if (zeilen.empty()) return;
    const size_t j = zeilen.front();
    w.zeile({E(5, "TS " + n.Nummer(j) + ":  A = " + n.z(r.Breite[j], "0.00") + " · " +
                      n.z(r.Laenge[j], "0.00") + " + " + n.z(r.Zusatz_Flaeche[j], "0.00") + " = " +
                      n.z(r.Einzel_Flaeche[j], "0.00 m²") + ";  Q = " + n.k(r.r5_5) + " · " + n.k(r.Abflussbeiwert) +
                      " · " + n.k(r.Sicherheitsfaktor) + " · " + n.z(r.Einzel_Flaeche[j], "0.00") + " / 10 000 = " +
                      n.z(r.Belast_Teilrinne[j], "0.00 l/s"))});
    if (l.innen)
        w.zeile({E(12, "Q100 = " + n.k(r.r5_100) + " · " + n.k(r.Sicherheitsfaktor) + " · " +
                           n.z(r.Einzel_Flaeche[j], "0.00") + " / 10 000 = " +
                           n.z(r.Belast_Jahrhundert[j], "0.00 l/s"))});
    std::vector<Eintrag> kopf{U(5, "TS"), U(11, "L m"), U(18, "B m"), U(25, "Z m²"), U(33, "Winkel"), U(41, "A m²"),
                              U(50, "Q l/s")};
    if (l.innen) kopf.push_back(U(58, "Q100 l/s"));
    w.zeile(std::move(kopf));
    for (size_t k : zeilen) {
        std::vector<Eintrag> z{E(5, n.Name(k)), E(11, n.z(r.Laenge[k], "0.00")), E(18, n.z(r.Breite[k], "0.00")),
                               E(25, n.z(r.Zusatz_Flaeche[k], "0.00")),
                               E(33, l.f[Check(static_cast<int>(k) + 1)] ? "ja" : "nein"),
                               E(41, n.z(r.Einzel_Flaeche[k], "0.00")), E(50, n.z(r.Belast_Teilrinne[k], "0.00"))};
        if (l.innen) z.push_back(E(58, n.z(r.Belast_Jahrhundert[k], "0.00")));
        w.zeile(std::move(z));
    }
    if (l.gesamt) w.zeile({E(5, "Gesamtmaße: die Teilstrecken sind gleich, Länge und Fläche durch " +
                                    Ganzzahltext(l.teilstrecken) + " geteilt.")});
    // each downpipe takes the two segments beside it (one at the gutter's end)
    for (int k = 1; k <= 4; ++k) {
        if (!l.fallrohr(k)) continue;
        std::string ts, summe;
        int teile = 0;
        for (size_t j : {static_cast<size_t>(2 * k - 2), static_cast<size_t>(2 * k - 1)}) {
            if (!l.ts(static_cast<int>(j) + 1)) continue;
            ts += (ts.empty() ? "TS " : " + ") + n.Nummer(j);
            summe += (summe.empty() ? "" : " + ") + n.z(r.Belast_Teilrinne[j], "0.00");
            ++teile;
        }
        w.zeile({E(5, "Fallrohr " + Ganzzahltext(k) + " (" + ts + "):"),
                 E(31, "A = " + n.z(r.Flaeche_Fallrohr[static_cast<size_t>(k - 1)], "0.00 m²")),
                 E(49, "Q = " + (teile > 1 ? summe + " = " : "") + n.z(r.Belastung_Fallrohr[static_cast<size_t>(k - 1)], "0.00 l/s"))});
    }
    if (l.insgesamt)
        w.zeile({E(5, "Insgesamt " + Ganzzahltext(l.fallrohre) +
                          " Fallrohre; die weiteren wie die gleich angeordneten (Seite 2).")});
}

void Hinweise(Bloecke& b, const Nachweislage& n) {
    const Lage& l = n.l;
    const Formular& f = l.f;
    const Rechenwerte& r = f.werte;
    Schreiber& w = b.neu("Hinweise der Berechnung");
    int anzahl = 0;
    auto hinweis = [&](const std::string& text) {
        w.zeile({E(5, "– " + text)});
        ++anzahl;
    };
    if (!l.innen && r.traufe.Massfehler)
        hinweis("L/W über 500 (L/W rund " + n.z(r.traufe.x_R, "0") + ", rechteckig " + n.z(r.traufe.x_K, "0") +
                "): Näherungswerte, siehe Meldung „Massfehler!“.");
    if (l.innen && r.innen.Winkel_links_auf_90) hinweis("Außenwinkel links über 90° eingegeben, auf 90° gesetzt.");
    if (l.innen && r.innen.Winkel_rechts_auf_90) hinweis("Außenwinkel rechts über 90° eingegeben, auf 90° gesetzt.");
    if (l.innen ? r.innen.Fallrohr_unter_75 : r.traufe.Fallrohr_unter_75)
        hinweis("Mindestens ein Fallrohr ist kleiner als 75 mm: Risiko der Verstopfung beachten.");
    if (f[S::Check_Schutzkorb])
        hinweis(l.innen ? "Sieb/Laubfang: die Trichter sind mit halber Leistung (s = 0,5) bemessen."
                        : "Sieb/Laubfang: halbrunde Rinnen mit halber Leistung (s = 0,5); bei Kastenrinnen nicht "
                          "berücksichtigt.");
    if (l.innen ? r.innen.Suchgrenze_erreicht : r.traufe.Suchgrenze)
        hinweis("Eine Suche endete nach 100000 Schritten: die Maße sind keine gültige Bemessung.");
    if (anzahl == 0) w.zeile({E(5, "keine")});
}

// The record's head on each of its pages.
void Nachweiskopf(Schreiber& w, const Lage& l, int seite) {
    w.zeile({E(5, "Nachweis der Bemessung", true, true), E(l.rechts(), l.form.datum)});
    w.zeile({K(5, l.f[T::Bauherr]), E(0, "      "), K(0, l.f[T::PLZ_Ort]),
             E(l.rechts(), "   - Seite " + Ganzzahltext(seite) + " -")});
    w.zeile({E(5, std::string(l.form.papier ? 91 : 75, '_'))});
}

// Lines of the record a page holds below its head, with a little to spare for wrapped texts.
size_t Zeilen_je_Seite(const Berichtsform& form) {
    const double hoehe = form.papier ? A4_hoehe - 2 * Rand : Vorschau_hoehe - Vorschau_rand;
    return static_cast<size_t>(hoehe / Zeilenschritt(form)) - 5;
}

}  // namespace

std::vector<Seite> Nachweis(const Lage& l, int erste_seite) {
    const Nachweislage n{l};
    Seite alle;
    Bloecke b(alle);
    Grundlagen(b, n);
    Eingaben(b, n);
    Lasten_Block(b, n);
    if (l.innen) Nachweis_innen(b, n);
    else Nachweis_traufe(b, n);
    Hinweise(b, n);
    b.neu("");
    b.w().zeile({E(5, "Bearbeitet: ____________________     Datum: ____________")});

    // whole blocks to a page; a block longer than a page breaks where the page is full
    const size_t je_seite = Zeilen_je_Seite(l.form);
    std::vector<size_t> anfaenge = b.anfaenge();
    anfaenge.push_back(alle.zeilen.size());
    std::vector<Seite> seiten;
    size_t belegt = je_seite;
    for (size_t i = 0; i + 1 < anfaenge.size(); ++i) {
        for (size_t z = anfaenge[i]; z < anfaenge[i + 1]; ++z) {
            const bool block_passt = z != anfaenge[i] || belegt + (anfaenge[i + 1] - z) <= je_seite ||
                                     anfaenge[i + 1] - z > je_seite;
            if (belegt >= je_seite || !block_passt) {
                Seite& s = seiten.emplace_back();
                s.nachweis = true;
                Schreiber kopf(s);
                Nachweiskopf(kopf, l, erste_seite + static_cast<int>(seiten.size()) - 1);
                belegt = 0;
                if (alle.zeilen[z].eintraege.empty()) continue;  // no empty line under the head
            }
            seiten.back().zeilen.push_back(alle.zeilen[z]);
            ++belegt;
        }
    }
    return seiten;
}

}  // namespace dkm::bericht
