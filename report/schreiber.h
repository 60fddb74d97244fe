// What the page composers share: the line writer and the facts about the
// segments and downpipes that several rows depend on.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/formular.h"
#include "report/form.h"
#include "report/seite.h"

namespace dkm::bericht {

class Schreiber {
public:
    explicit Schreiber(Seite& s) : s_(s) {}
    void zeile(std::vector<Eintrag> e = {}, int groesse = 0) { s_.zeilen.push_back({std::move(e), groesse}); }
    void leer(int n = 1, int groesse = 0) {
        for (int i = 0; i < n; ++i) zeile({}, groesse);
    }
    Seite& seite() { return s_; }
    size_t zeilen() const { return s_.zeilen.size(); }

private:
    Seite& s_;
};

// Tabs and line breaks in a user's text would break the columns: they become blanks.
inline Eintrag E(int spalte, std::string text, bool fett = false, bool unterstrichen = false) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return {std::move(text), spalte, fett, unterstrichen};
}
inline Eintrag U(int spalte, std::string text) { return E(spalte, std::move(text), false, true); }
// A user's text: shortened with "…" at the right margin, or a remark wrapped below its start.
inline Eintrag K(int spalte, std::string text) {
    Eintrag e = E(spalte, std::move(text));
    e.lang = Ueberlang::kuerzen;
    return e;
}
inline Eintrag Umbruch(int spalte, std::string text) {
    Eintrag e = E(spalte, std::move(text));
    e.lang = Ueberlang::umbrechen;
    return e;
}

struct Lage {
    const Formular& f;
    const Berichtsform& form;
    std::array<bool, 8> laenge{};  // TS i has a length
    bool innen = false;
    bool gesamt = false;
    bool insgesamt = false;  // total mode with more than 4 downpipes
    int teilstrecken = 0, fallrohre = 0;  // total mode counts

    Lage(const Formular& f, const Berichtsform& form);
    const std::string& sep() const { return f.dezimaltrenner; }
    bool ts(int i) const { return laenge[static_cast<size_t>(i - 1)]; }
    bool fallrohr(int k) const { return ts(2 * k - 1) || ts(2 * k); }
    // Columns: segment values, segment numbers, downpipe values and headings.
    static int ts_spalte(int i) { return 23 + 8 * (i - 1); }
    static int nr_spalte(int i) { return 24 + 8 * (i - 1); }
    static int fr_spalte(int k) { return 26 + 16 * (k - 1); }
    static int fr_kopf(int k) { return 25 + 16 * (k - 1); }
    int rechts() const { return form.papier ? 70 : 80; }  // date and page number
};

// Head of a page from the title to "Projekt:" with the page number.
void Kopf(Schreiber& w, const Lage& l, int seite);
// Segment numbers after `label` (label may be empty); the index of their line.
size_t TS_Nummern(Schreiber& w, const Lage& l, Eintrag label);
// A row of one "0.00" value per segment that has a length.
void TS_Reihe(Schreiber& w, const Lage& l, const std::string& label, const std::array<float, 8>& werte);
// A row of one cell per existing downpipe.
void FR_Reihe(Schreiber& w, const Lage& l, const std::string& label, const std::array<std::string, 4>& zellen);
// A row of plain-text numbers "0.00" per existing downpipe.
std::array<std::string, 4> FR_Werte(const Lage& l, const std::array<float, 4>& werte, const char* muster);
std::string Durchmesser(const std::optional<int>& mm);  // " > 300" where none is large enough
// Shortest decimal of a float, leading zero, locale separator ("20", "0,5").
std::string Kurzzahl(float wert, const std::string& sep);

// Page 1; the index of the line of segment numbers below the schematic.
size_t Seite1(Schreiber& w, const Lage& l);
void Seite2(Schreiber& w, const Lage& l);
// Where the internal gutter's page leaves room for the cross-section: the
// optional lines above it, and the lines that bound the room (0-based).
struct Querschnitt_Raum {
    int optionale = 0;
    size_t zeile_oben = 0, zeile_unten = 0;
};
// The internal and eaves parts of page 2.
Querschnitt_Raum Seite2_innen(Schreiber& w, const Lage& l);
void Seite2_traufe(Schreiber& w, const Lage& l);
// The remark on downpipes beyond the fourth ("Insgesamt n Fallrohre.").
void Fallrohre_insgesamt(Schreiber& w, const Lage& l, bool innen, int& optionale);

Zeichnung Schema(const Lage& l, int seite, size_t nummernzeile);
Zeichnung Querschnitt_Zeichnung(const Lage& l, const Querschnitt_Raum& raum);

}  // namespace dkm::bericht
