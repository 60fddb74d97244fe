#include "files/zeilenleser.h"

#include "files/kodierung.h"
#include "model/zahlen.h"

namespace dkm {

namespace {
bool ist_ziffer(char c) { return c >= '0' && c <= '9'; }
bool ist_blank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool Ist_Dezimalzahl(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t ziffern = 0;
    while (i < s.size() && ist_ziffer(s[i])) ++i, ++ziffern;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && ist_ziffer(s[i])) ++i, ++ziffern;
    }
    if (ziffern == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t exponent = 0;
        while (i < s.size() && ist_ziffer(s[i])) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == s.size();
}

std::optional<double> Feldzahl(std::string_view feld) {
    if (feld.empty()) return 0.0;
    if (!Ist_Dezimalzahl(feld)) return std::nullopt;
    const double w = Zahl_lesen(feld);
    if (!Zahl_gueltig(w)) return std::nullopt;
    return w;
}

void Zeilenleser::zeilenende_verbrauchen() {
    if (pos_ >= daten_.size()) return;
    if (daten_[pos_] == '\r' && pos_ + 1 < daten_.size() && daten_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
}

std::optional<std::string> Zeilenleser::zeile() {
    if (am_ende()) return std::nullopt;
    const size_t anfang = pos_;
    while (!zeilenende(pos_)) ++pos_;
    std::string t = Cp1252_nach_Utf8(daten_.substr(anfang, pos_ - anfang));
    zeilenende_verbrauchen();
    return t;
}

std::optional<std::string> Zeilenleser::text() {
    if (am_ende()) return std::nullopt;
    while (!zeilenende(pos_) && ist_blank(daten_[pos_])) ++pos_;
    return zeile();
}

std::optional<std::string_view> Zeilenleser::feld() {
    if (am_ende()) return std::nullopt;
    while (!zeilenende(pos_) && ist_blank(daten_[pos_])) ++pos_;
    const size_t anfang = pos_;
    while (!zeilenende(pos_) && !ist_blank(daten_[pos_]) && daten_[pos_] != ',') {
        // " 10-5" holds two numbers: a negative value written after another
        if (daten_[pos_] == '-' && pos_ > anfang && ist_ziffer(daten_[pos_ - 1])) break;
        ++pos_;
    }
    const std::string_view f = daten_.substr(anfang, pos_ - anfang);
    if (pos_ < daten_.size() && daten_[pos_] == '-') return f;
    while (!zeilenende(pos_) && ist_blank(daten_[pos_])) ++pos_;
    if (pos_ < daten_.size() && daten_[pos_] == ',') ++pos_;
    else if (zeilenende(pos_)) zeilenende_verbrauchen();
    return f;
}

std::optional<double> Zeilenleser::zahl() {
    const auto f = feld();
    if (!f) return std::nullopt;
    return Feldzahl(*f);
}

std::optional<int16_t> Zeilenleser::ganzzahl() {
    const auto w = zahl();
    if (!w) return std::nullopt;
    return Ganzzahl16(*w);
}

}  // namespace dkm
