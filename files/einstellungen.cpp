#include "files/einstellungen.h"

#include "model/startzustand.h"

#include "files/dateizugriff.h"
#include "files/kodierung.h"
#include "files/kostra_einstellungen.h"
#include "files/zeilenleser.h"
#include "model/meldungen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

// A text where a number belongs stops the reading. A number outside the input range
// (10^7 or more, or below 0.0001 but not 0) counts as not given (0) and the reading goes on.
bool zahl_lesen(Zeilenleser& z, float& ziel) {
    const auto feld = z.feld();
    if (!feld || (!feld->empty() && !Ist_Dezimalzahl(*feld))) return false;
    ziel = static_cast<float>(Feldzahl(*feld).value_or(0.0));
    return true;
}

}  // namespace

Erfolg<> Einstellung_schreiben(const std::filesystem::path& datei, const std::string& inhalt, std::string_view was) {
    std::error_code ec;
    if (datei.has_parent_path()) std::filesystem::create_directories(datei.parent_path(), ec);
    const Erfolg<> geschrieben = ec ? Fehler{meldung::Eingesetzt(meldung::Speicherfehler_Text, Pfadtext(datei))}
                                    : Datei_ersetzen(datei, inhalt);
    if (geschrieben) return {};
    return Fehler{meldung::Eingesetzt(meldung::Einstellungen_unveraendert_Text, was, geschrieben.fehler().text)};
}

namespace {

// One line of text, without breaks and at most `n` characters (UTF-8 kept whole).
std::string einzeilig(std::string t, size_t n) {
    for (char& c : t)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    size_t zeichen = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) continue;
        if (zeichen++ == n) return t.substr(0, i);
    }
    return t;
}

std::string zeilen(std::initializer_list<std::string> texte) {
    std::string aus;
    for (const std::string& t : texte) aus += t + "\r\n";
    return aus;
}

}  // namespace

void Eigene_Orte_lesen_aus(std::string_view bytes, Eigene_Orte& orte) {
    if (bytes.size() > Einstellungsdatei_Hoechstgroesse) return;
    Zeilenleser z(bytes);
    for (Eigener_Ort& ort : orte) {
        // whole names, so that a place with a comma survives
        const auto name = z.text();
        if (!name) return;
        ort.name = *name;
        if (!zahl_lesen(z, ort.r5_5) || !zahl_lesen(z, ort.r5_100)) return;
    }
}

Erfolg<Eigene_Orte> Eigene_Orte_lesen(const std::filesystem::path& datei, Eigene_Orte orte) {
    auto inhalt = Datei_lesen(datei, Einstellungsdatei_Hoechstgroesse);
    if (!inhalt) return inhalt.fehler();
    Eigene_Orte_lesen_aus(*inhalt, orte);
    return orte;
}

Formular Startformular(const std::filesystem::path& orte_datei, std::string dezimaltrenner) {
    Formular f;
    const auto orte = Eigene_Orte_lesen(orte_datei, {});
    Startzustand(f, orte ? &*orte : nullptr);
    f.kostra_orte = Kostra_Einstellungen_lesen(orte_datei.parent_path() / Kostra_Dateiname).orte;
    // without the file the report names no issuer
    f.aussteller = Aussteller_lesen(orte_datei.parent_path() / Aussteller_Dateiname).wert_oder({});
    f.dezimaltrenner = std::move(dezimaltrenner);
    return f;
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

Erfolg<> Eigene_Orte_schreiben(const std::filesystem::path& datei, const Eigene_Orte& orte) {
    return Einstellung_schreiben(datei, Eigene_Orte_Dateiinhalt(orte), "Die eigenen Regenspenden");
}

void Druckwerte_lesen_aus(std::string_view bytes, Druckwerte& werte) {
    if (bytes.size() <= Einstellungsdatei_Hoechstgroesse) {
        Zeilenleser z(bytes);
        // the first value that does not read ends the reading
        for (float* wert : {&werte.Schriftgroesse, &werte.Verschiebung_horizontal, &werte.Verschiebung_vertikal})
            if (!zahl_lesen(z, *wert)) break;
    }
    if (werte.Schriftgroesse == 0) werte.Schriftgroesse = 10;
}

Erfolg<Druckwerte> Druckwerte_lesen(const std::filesystem::path& datei, Druckwerte werte) {
    auto inhalt = Datei_lesen(datei, Einstellungsdatei_Hoechstgroesse);
    if (!inhalt) return inhalt.fehler();
    Druckwerte_lesen_aus(*inhalt, werte);
    return werte;
}

std::string Druckwerte_Dateiinhalt(const Druckwerte& w) {
    return zeilen({Zahlentext(w.Schriftgroesse), Zahlentext(w.Verschiebung_horizontal),
                   Zahlentext(w.Verschiebung_vertikal)});
}

Erfolg<> Druckwerte_schreiben(const std::filesystem::path& datei, const Druckwerte& werte) {
    return Einstellung_schreiben(datei, Druckwerte_Dateiinhalt(werte), "Die Druckereinstellungen");
}

std::filesystem::path Projektordner_lesen(const std::filesystem::path& datei) {
    const auto inhalt = Datei_lesen(datei, Einstellungsdatei_Hoechstgroesse);
    if (!inhalt || inhalt->size() > Einstellungsdatei_Hoechstgroesse) return {};
    const std::string zeile = inhalt->substr(0, inhalt->find_first_of("\r\n"));
    const std::filesystem::path ordner(std::u8string(zeile.begin(), zeile.end()));
    std::error_code ec;
    if (ordner.empty() || !ordner.is_absolute() || !std::filesystem::is_directory(ordner, ec)) return {};
    return ordner;
}

Erfolg<> Projektordner_schreiben(const std::filesystem::path& datei, const std::filesystem::path& ordner) {
    return Einstellung_schreiben(datei, Pfadtext(ordner) + "\r\n", "Der zuletzt benutzte Ordner");
}

void Aussteller_lesen_aus(std::string_view bytes, Aussteller& a) {
    if (bytes.size() > Einstellungsdatei_Hoechstgroesse) return;
    Zeilenleser z(bytes);
    for (std::string* t : {&a.name, &a.strasse, &a.ort, &a.telefon}) {
        const auto zeile = z.zeile();
        if (!zeile) return;
        *t = einzeilig(*zeile, Aussteller_Hoechstlaenge);
    }
}

Erfolg<Aussteller> Aussteller_lesen(const std::filesystem::path& datei) {
    auto inhalt = Datei_lesen(datei, Einstellungsdatei_Hoechstgroesse);
    if (!inhalt) return inhalt.fehler();
    Aussteller a;
    Aussteller_lesen_aus(*inhalt, a);
    return a;
}

std::string Aussteller_Dateiinhalt(const Aussteller& a) {
    std::string aus;
    for (const std::string* t : {&a.name, &a.strasse, &a.ort, &a.telefon})
        aus += Utf8_nach_Cp1252(einzeilig(*t, Aussteller_Hoechstlaenge)) + "\r\n";
    return aus;
}

Erfolg<> Aussteller_schreiben(const std::filesystem::path& datei, const Aussteller& a) {
    return Einstellung_schreiben(datei, Aussteller_Dateiinhalt(a), "Die Angaben zum Aussteller");
}

}  // namespace dkm
