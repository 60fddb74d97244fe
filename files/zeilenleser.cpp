#include "files/zeilenleser.h"

#include "files/kodierung.h"
#include "model/zahlen.h"

namespace dkm {

namespace {
bool ist_ziffer(char c) { return c >= '0' && c <= '9'; }
bool ist_blank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool Ist_Dezimalzahl(std::string_view s) { return !s.empty() && Zahl_laenge(s) == s.size(); }

std::optional<double> Feldzahl(std::string_view feld) {
    if (feld.empty()) return 0.0;
    if (!Ist_Dezimalzahl(feld)) return std::nullopt;
    const double w = Zahl_lesen(feld);
    if (!Im_Eingaberahmen(w)) return std::nullopt;
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
    const std::string_view bytes = daten_.substr(anfang, pos_ - anfang);
    std::string t = kodierung_ == Kodierung::utf8 ? Utf8_gesaeubert(bytes) : Cp1252_nach_Utf8(bytes);
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

void Feldleser::zahl(float& ziel) {
    double w = 0;
    zahl(w);
    ziel = static_cast<float>(w);
}

void Feldleser::zahlen(std::array<float, 8>& ziel) {
    for (float& w : ziel) zahl(w);
}

std::string_view Feldleser::wert() {
    const auto f = ok ? z.feld() : std::nullopt;
    if (!f) ok = false;
    return f.value_or(std::string_view{});
}

void Feldleser::schalter(bool& ziel) {
    const std::string_view f = wert();
    const bool zahl = Ist_Dezimalzahl(f);
    if (zahl && !Feldzahl(f)) ok = false;
    ziel = zahl && Feldzahl(f) == 1.0;
}

void Feldleser::index(int& ziel) {
    const std::string_view f = wert();
    if (!ok || f.empty() || f == "leer") return void(ziel = 0);
    const auto w = Feldzahl(f);
    if (!w) return void(ok = false);
    // far outside any list; checked before the conversion, which could not hold it
    ziel = (*w > -1 && *w < 1000) ? static_cast<int>(Ganzzahl(*w)) : -1;
}

}  // namespace dkm
