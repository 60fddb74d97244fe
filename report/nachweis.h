// The calculation record "Nachweis der Bemessung" after page 2: every result of the
// report followed from the inputs, formulas first with symbols, then with the
// project's numbers. Every number is a value of the last recalculation, rounded
// by the pattern it is printed with; nothing is computed here.
#pragma once

#include <string>
#include <vector>

#include "report/schreiber.h"

namespace dkm::bericht {

// The record's pages, numbered from `erste_seite` on.
std::vector<Seite> Nachweis(const Lage& l, int erste_seite);

// What the blocks of the record share.
struct Nachweislage {
    const Lage& l;
    // A value with a display pattern ("0.00", "0 mm") in the user's decimal separator.
    std::string z(float wert, const char* muster) const;
    // An input as the engine read it: its shortest decimal.
    std::string k(float wert) const { return Kurzzahl(wert, l.sep()); }
    // The segments (0-based) a table lists: each one with a length; in total mode, where all are
    // equal, the first for all of them.
    std::vector<size_t> Zeilen() const;
    // Its name as pages 1 and 2 number it ("3"), in total mode all of them ("1–10").
    std::string Name(size_t j) const;
    // Its number alone ("3").
    std::string Nummer(size_t j) const;
};

// A block starts with its heading; the pages break between blocks where they can.
class Bloecke {
public:
    explicit Bloecke(Seite& s) : w_(s) {}
    Schreiber& neu(const std::string& titel);  // an empty line, then the heading in bold
    Schreiber& w() { return w_; }
    const std::vector<size_t>& anfaenge() const { return anfaenge_; }

private:
    Schreiber w_;
    std::vector<size_t> anfaenge_;
};

void Nachweis_traufe(Bloecke& b, const Nachweislage& n);
void Nachweis_innen(Bloecke& b, const Nachweislage& n);

}  // namespace dkm::bericht
