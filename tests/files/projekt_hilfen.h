// Shared by the file tests: recorded dialogs and project files line by line.
#pragma once

#include <string>
#include <vector>

#include "files/projektdatei.h"
#include "model/dialoge.h"

namespace dkm::test {

struct Box {
    std::string titel, text;
    bool frage = false;
};

class Testdialoge : public Dialoge {
public:
    explicit Testdialoge(bool antwort = true) : antwort_(antwort) {}
    void meldung(const std::string& titel, const std::string& text) override { boxen.push_back({titel, text, false}); }
    bool frage(const std::string& titel, const std::string& text) override {
        boxen.push_back({titel, text, true});
        return antwort_;
    }
    std::vector<Box> boxen;

private:
    bool antwort_;
};

// The lines of a written file without their CR LF (Windows-1252 bytes).
inline std::vector<std::string> Zeilen(const std::string& datei) {
    std::vector<std::string> v;
    size_t a = 0;
    for (size_t e; (e = datei.find("\r\n", a)) != std::string::npos; a = e + 2) v.push_back(datei.substr(a, e - a));
    if (a < datei.size()) v.push_back(datei.substr(a));
    return v;
}
inline std::vector<std::string> Zeilen(const Projektdaten& p) { return Zeilen(Projektdatei_schreiben(p)); }

inline std::string Datei(const std::vector<std::string>& zeilen, const std::string& ende = "\r\n") {
    std::string s;
    for (const std::string& z : zeilen) s += z + ende;
    return s;
}

// A project with every field away from its default.
inline Projektdaten Volles_Projekt() {
    Projektdaten p;
    p.Bauherr = "Müller & Söhne";
    p.strasse = "  Hauptstraße 1, Hinterhaus";
    p.PLZ_Ort = "12345 Großstadt";
    p.Telef = "0123/45678";
    p.Fax = "0123/45679";
    p.Bemerkungen = "Dach \"Nord\", 2. BA";
    p.Combo_Wahl_Regensp = "Frankfurt/Main";
    p.r5_5 = 339.25;
    p.r5_100 = 630;
    p.Combo_Abfl_beiwert = "Kiesdach (C=0.5)";
    p.Laenge = {12.5f, 7, 0, 0, 0, 0, 0, 0};
    p.Breite = {7, 6.25f, 0, 0, 0, 0, 0, 0};
    p.Zusatz_Flaeche = {0, 3.5f, 0, 0, 0, 0, 0, 0};
    p.Verhaeltnis_HB = 0.625f;
    p.Rinnenart = "vorgehaengt";
    p.Combo_Schutzfaktor = "Faktor f = 2";
    p.Hindernis_Rinne = 12;
    p.Rinnenbreite_unten = 300;
    p.Winkel_links = 90;
    p.Winkel_rechts = 45;
    p.Notueberlauf_Art = "Notüberlauf_eineSeite";
    p.Check_Schutzkorb = true;
    p.Winkelfaktor = {1, 0.85f, 1, 1, 1, 1, 1, 1};
    p.Eingabe_Art = "einzel";
    p.Gesamtlaenge = 19.5f;
    p.Gesamtflaeche = 134.75f;
    p.Anzahl_Stutzen = 1;
    p.Anordnung_Stutzen = "alle innerhalb";
    p.Combo_Diff_Notueberl = "Jahrhundertregen voll";
    p.Index_Diff_Notueberl = 1;
    p.Index_Abfl_beiwert = 1;
    p.Anzahl_Notueberlaeufe = 2;
    p.Hoehenkorrektur = 20;
    return p;
}

}  // namespace dkm::test
