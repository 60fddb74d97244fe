// The reading rules shared by project and settings files: whole lines, and
// fields that end at a blank, a comma or the line end. Every read returns
// nullopt on an error; the caller then drops the whole record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/kodierung.h"

namespace dkm {

// True for a complete decimal number: sign, digits with at most one point,
// exponent ("e" or "d") with digits. Nothing else may follow.
bool Ist_Dezimalzahl(std::string_view feld);

class Zeilenleser {
public:
    // `bytes` is the file content in `kodierung`; it must outlive the reader.
    explicit Zeilenleser(std::string_view bytes, Kodierung kodierung = Kodierung::cp1252)
        : daten_(bytes), kodierung_(kodierung) {}

    bool am_ende() const { return pos_ >= daten_.size(); }

    // The rest of the current line as UTF-8; CR LF, LF and CR all end a line.
    std::optional<std::string> zeile();
    // The same with leading blanks skipped (the text lines of the lists).
    std::optional<std::string> text();

    // One field, raw: blanks before it skipped, ended by a blank, a comma or the
    // line end; a minus right after a digit starts the next field.
    std::optional<std::string_view> feld();
    // A field that must be a number within the input limit (model/zahlen.h); empty reads 0.
    std::optional<double> zahl();
    // A number rounded half to even to a 16-bit integer.
    std::optional<int16_t> ganzzahl();

private:
    std::string_view daten_;
    Kodierung kodierung_;
    size_t pos_ = 0;

    bool zeilenende(size_t i) const { return i >= daten_.size() || daten_[i] == '\r' || daten_[i] == '\n'; }
    void zeilenende_verbrauchen();
};

// Value of a field that must be a number (see Zeilenleser::zahl).
std::optional<double> Feldzahl(std::string_view feld);

// Reads into `ziel` and remembers the first failure, so that a file layout
// reads as a plain list; after a failure nothing more is read.
struct Feldleser {
    Zeilenleser& z;
    bool ok = true;

    void zeile(std::string& ziel) { nimm(z.zeile(), ziel); }
    void text(std::string& ziel) { nimm(z.text(), ziel); }
    void zahl(double& ziel) { nimm(z.zahl(), ziel); }
    void zahl(float& ziel);
    void zahlen(std::array<float, 8>& ziel);
    void ganzzahl(int16_t& ziel) { nimm(z.ganzzahl(), ziel); }
    // A value that may be a number or a text; only the field is kept.
    std::string_view wert();
    // A number equal to 1 checks; any other number or text clears.
    void schalter(bool& ziel);
    // List index: "leer" and empty count 0, a number outside the list selects nothing.
    void index(int& ziel);

    template <typename W, typename Z>
    void nimm(std::optional<W>&& w, Z& ziel) {
        if (!ok) return;
        if (w) ziel = std::move(*w);
        else ok = false;
    }
};

}  // namespace dkm
