#include "files/altprojekt.h"

#include <algorithm>

#include "model/meldungen.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

const std::string Hinweis_Anfang = " Übernommen werden vom Projekt:" + std::string(69, ' ') +
                                   "Name, Straße, PLZ/Ort, Tel/Fax und Bemerkungen." + std::string(35, ' ') +
                                   "Nicht übernommen werden die Angaben zur Baustelle (Ort, Straße, Anfahrt, "
                                   "Material, Besonderheiten). Das sind hier:" +
                                   std::string(40, ' ');

// By text, not by index: the old files hold no index, and index 0 would turn
// every gravel or green roof into C = 1.
int Abflussbeiwert_oder_erster(std::string_view text) { return std::max(Abflussbeiwert_Index(text), 0); }

}  // namespace

std::string Baustellenhinweis(std::array<std::string, 5> baustelle) {
    std::string hinweis = Hinweis_Anfang;
    for (size_t i = 0; i < baustelle.size(); ++i) {
        if (i > 0) hinweis += i + 1 == baustelle.size() ? "  //   " : "  //  ";
        hinweis += baustelle[i].empty() ? "leer" : baustelle[i];
    }
    return hinweis;
}

void Altprojekt_lesen(Zeilenleser& z, const std::string& erste_zeile, const Projektdaten& vorgaben,
                      Gelesenes_Projekt& ergebnis) {
    auto hinweis = [&](const Meldungstext& m, std::string hilfe = {}) {
        ergebnis.hinweise.push_back({m, std::move(hilfe)});
    };
    hinweis(meldung::Altprojekt);

    Projektdaten p = vorgaben;
    Feldleser l{z};

    p.Bauherr = erste_zeile;
    for (std::string* t : {&p.strasse, &p.PLZ_Ort, &p.Telef, &p.Fax}) l.zeile(*t);
    std::array<std::string, 5> baustelle;
    for (std::string& t : baustelle) l.zeile(t);
    l.zeile(p.Bemerkungen);
    if (!l.ok) return;
    for (const std::string& t : baustelle) {
        if (t.empty()) continue;
        hinweis(meldung::Baustelle, Baustellenhinweis(baustelle));
        break;
    }

    l.text(p.Combo_Wahl_Regensp);
    l.zahl(p.r5_5);
    l.zahl(p.r5_100);
    l.text(p.Combo_Abfl_beiwert);
    std::string dachneigung, regenwinkel;
    l.zeile(dachneigung);
    l.zeile(regenwinkel);
    if (!l.ok) return;
    if (Zahl_lesen(dachneigung) != 0 && Zahl_lesen(regenwinkel) != 0) hinweis(meldung::Wind);

    l.zahlen(p.Laenge);
    l.zahlen(p.Breite);
    l.zahlen(p.Zusatz_Flaeche);
    l.zahl(p.Verhaeltnis_HB);
    l.text(p.Rinnenart);
    l.text(p.Combo_Schutzfaktor);
    l.zahl(p.Hindernis_Rinne);
    l.wert();  // the old lower width, replaced by 300 in every case
    if (!l.ok) return;
    if (p.Rinnenart == Text_innenliegend) hinweis(meldung::Innenrinne_alt);
    p.Rinnenbreite_unten = 300;

    l.zahl(p.Winkel_links);
    l.zahl(p.Winkel_rechts);
    l.text(p.Notueberlauf_Art);
    l.schalter(p.Check_Schutzkorb);
    l.wert();
    l.zahlen(p.Winkelfaktor);
    if (!l.ok) return;

    p.Eingabe_Art = Text_einzel;
    p.Index_Diff_Notueberl = 0;
    p.Index_Abfl_beiwert = Abflussbeiwert_oder_erster(p.Combo_Abfl_beiwert);
    ergebnis.daten = std::move(p);
}

}  // namespace dkm
