#include "files/einstellungen.h"

#include "files/dateizugriff.h"
#include "files/kodierung.h"
#include "files/zeilenleser.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

// Settings files are a few lines; a larger one is not read at all.
constexpr size_t Hoechstgroesse = 1u << 16;

bool zahl_lesen(Zeilenleser& z, float& ziel) {
    const auto w = z.zahl();
    if (w) ziel = static_cast<float>(*w);
    return w.has_value();
}

std::string zeilen(std::initializer_list<std::string> texte) {
    std::string aus;
    for (const std::string& t : texte) aus += t + "\r\n";
    return aus;
}

}  // namespace

void Eigene_Orte_lesen_aus(std::string_view bytes, Eigene_Orte& orte) {
    if (bytes.size() > Hoechstgroesse) return;
    Zeilenleser z(bytes);
    for (Eigener_Ort& ort : orte) {
        // whole names, so that a place with a comma survives
        const auto name = z.text();
        if (!name) return;
        ort.name = *name;
        if (!zahl_lesen(z, ort.r5_5) || !zahl_lesen(z, ort.r5_100)) return;
    }
}

bool Eigene_Orte_lesen(const std::filesystem::path& datei, Eigene_Orte& orte) {
    const auto inhalt = Datei_lesen(datei, Hoechstgroesse);
    if (!inhalt) return false;
    Eigene_Orte_lesen_aus(*inhalt, orte);
    return true;
}

std::string Eigene_Orte_Dateiinhalt(const Eigene_Orte& orte) {
    std::string aus;
    for (const Eigener_Ort& ort : orte) {
        std::string name = ort.name;
        for (char& c : name)
            if (c == '\r' || c == '\n') c = ' ';
        aus += zeilen({Utf8_nach_Cp1252(name), Zahlentext(ort.r5_5), Zahlentext(ort.r5_100)});
    }
    return aus;
}

std::optional<std::string> Eigene_Orte_schreiben(const std::filesystem::path& datei, const Eigene_Orte& orte) {
    return Datei_ersetzen(datei, Eigene_Orte_Dateiinhalt(orte));
}

void Druckwerte_lesen_aus(std::string_view bytes, Druckwerte& werte) {
    if (bytes.size() <= Hoechstgroesse) {
        Zeilenleser z(bytes);
        (void)(zahl_lesen(z, werte.Schriftgroesse) && zahl_lesen(z, werte.Verschiebung_horizontal) &&
               zahl_lesen(z, werte.Verschiebung_vertikal));
    }
    if (werte.Schriftgroesse == 0) werte.Schriftgroesse = 10;
}

bool Druckwerte_lesen(const std::filesystem::path& datei, Druckwerte& werte) {
    const auto inhalt = Datei_lesen(datei, Hoechstgroesse);
    if (!inhalt) return false;
    Druckwerte_lesen_aus(*inhalt, werte);
    return true;
}

std::string Druckwerte_Dateiinhalt(const Druckwerte& w) {
    return zeilen({Zahlentext(w.Schriftgroesse), Zahlentext(w.Verschiebung_horizontal),
                   Zahlentext(w.Verschiebung_vertikal)});
}

std::optional<std::string> Druckwerte_schreiben(const std::filesystem::path& datei, const Druckwerte& werte) {
    return Datei_ersetzen(datei, Druckwerte_Dateiinhalt(werte));
}

}  // namespace dkm
