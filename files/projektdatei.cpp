#include "files/projektdatei.h"

#include <algorithm>
#include <span>

#include "files/altprojekt.h"
#include "files/dateizugriff.h"
#include "files/kodierung.h"
#include "model/meldungen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

// Bemerkungen may hold a line break; in the file it would shift every later line.
std::string eine_zeile(std::string_view utf8) {
    std::string t;
    t.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        t.push_back(utf8[i] == '\r' || utf8[i] == '\n' ? ' ' : utf8[i]);
    }
    return Utf8_nach_Cp1252(t);
}

std::string gedruckt(float w) { return Zahlentext(w) + " "; }

std::string_view Option_Text(const Formular& f, std::span<const Optionstext> gruppe) {
    for (const Optionstext& o : gruppe)
        if (f[o.option]) return o.text;
    return {};
}

}  // namespace

bool Ist_Projektkopf(std::string_view zeile) { return zeile == Projektkopf || zeile == Projektkopf_12_05; }

Kodierung Projektkodierung(std::string_view& bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(bom)) {
        bytes.remove_prefix(bom.size());
        return Kodierung::utf8;
    }
    const std::string_view erste = bytes.substr(0, bytes.find_first_of("\r\n"));
    if (Ist_Projektkopf(erste)) return Kodierung::utf8;  // the headers are UTF-8 here
    if (Ist_Projektkopf(Cp1252_nach_Utf8(erste))) return Kodierung::cp1252;
    // an older file has no header to tell: letters beyond ASCII that are all valid
    // UTF-8 do not occur in German Windows-1252 text
    const bool nur_ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    return !nur_ascii && Ist_Utf8(bytes) ? Kodierung::utf8 : Kodierung::cp1252;
}

std::optional<Projektdaten> Projektzeilen_lesen(Zeilenleser& z) {
    Projektdaten p;
    Feldleser l{z};
    for (std::string* t : {&p.Bauherr, &p.strasse, &p.PLZ_Ort, &p.Telef, &p.Fax, &p.Bemerkungen}) l.zeile(*t);
    l.text(p.Combo_Wahl_Regensp);
    l.zahl(p.r5_5);
    l.zahl(p.r5_100);
    l.text(p.Combo_Abfl_beiwert);
    l.zahlen(p.Laenge);
    l.zahlen(p.Breite);
    l.zahlen(p.Zusatz_Flaeche);
    l.zahl(p.Verhaeltnis_HB);
    l.text(p.Rinnenart);
    l.text(p.Combo_Schutzfaktor);
    l.zahl(p.Hindernis_Rinne);
    l.zahl(p.Rinnenbreite_unten);
    l.zahl(p.Winkel_links);
    l.zahl(p.Winkel_rechts);
    l.text(p.Notueberlauf_Art);
    l.schalter(p.Check_Schutzkorb);
    l.wert();  // reserved
    l.zahlen(p.Winkelfaktor);
    l.zeile(p.Eingabe_Art);
    l.zahl(p.Gesamtlaenge);
    l.zahl(p.Gesamtflaeche);
    l.ganzzahl(p.Anzahl_Stutzen);
    l.zeile(p.Anordnung_Stutzen);
    l.text(p.Combo_Diff_Notueberl);
    l.index(p.Index_Diff_Notueberl);
    l.index(p.Index_Abfl_beiwert);
    l.ganzzahl(p.Anzahl_Notueberlaeufe);
    l.zahl(p.Hoehenkorrektur);
    l.wert();  // end marker, not checked
    if (!l.ok) return std::nullopt;
    return p;
}

Gelesenes_Projekt Projekt_lesen(std::string_view bytes, const Projektdaten& vorgaben) {
    Gelesenes_Projekt g;
    if (bytes.size() > Projektdatei_Hoechstgroesse) return g;
    // Nothing but line ends and blanks is no project, not an empty old one.
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) return g;
    Zeilenleser z(bytes, Projektkodierung(bytes));
    const auto kopf = z.zeile();
    if (!kopf) return g;
    if (Ist_Projektkopf(*kopf)) {
        g.daten = Projektzeilen_lesen(z);
    } else {
        g.alt = true;
        Altprojekt_lesen(z, *kopf, vorgaben, g);
    }
    return g;
}

Erfolg<Projektdaten> Projektdaten_sammeln(const Formular& f) {
    std::string fehler;
    std::string_view fehlertext = meldung::Speichern_zu_gross_Text;
    auto zahl = [&](T feld, std::string_view bezeichnung) {
        const double w = Zahl_lesen(f[feld]);
        // what no file may hold is not written either
        if (!Im_Eingaberahmen(w) && fehler.empty()) {
            fehler = bezeichnung;
            if (Zu_klein(w)) fehlertext = meldung::Speichern_zu_klein_Text;
        }
        return Im_Eingaberahmen(w) ? w : 0.0;
    };
    auto einzel = [&](T feld, std::string_view bezeichnung) {
        return static_cast<float>(zahl(feld, bezeichnung));
    };
    auto ganz = [&](T feld, std::string_view bezeichnung) -> int16_t {
        const auto g = Ganzzahl16(zahl(feld, bezeichnung));
        if (!g && fehler.empty()) fehler = bezeichnung;
        return g.value_or(0);
    };

    std::optional<std::string> zeichen_fehler;
    auto text = [&](const std::string& t, std::string_view bezeichnung) {
        const auto zeichen = zeichen_fehler ? std::nullopt : Erstes_Zeichen_ohne_Cp1252(t);
        if (zeichen) zeichen_fehler = meldung::Eingesetzt(meldung::Zeichen_ohne_Cp1252_Text, bezeichnung, *zeichen);
        return t;
    };

    Projektdaten p;
    p.Bauherr = text(f[T::Bauherr], "Bauherr");
    p.strasse = text(f[T::strasse], "Straße");
    p.PLZ_Ort = text(f[T::PLZ_Ort], "PLZ / Ort");
    p.Telef = text(f[T::Telef], "Telefon");
    p.Fax = text(f[T::Fax], "Fax");
    p.Bemerkungen = text(f[T::Bemerkungen], "Bemerkungen");
    p.Combo_Wahl_Regensp = text(f[L::Combo_Wahl_Regensp].text, "Wahl des Orts für die Regenmenge");
    p.r5_5 = zahl(T::r5_5, "r(5,5)");
    p.r5_100 = zahl(T::r5_100, "r(5,100)");
    p.Combo_Abfl_beiwert = text(f[L::Combo_Abfl_beiwert].text, "Abfluss-Beiwert der Deckung (C)");
    for (int i = 1; i <= 8; ++i) {
        const std::string ts = " der Teilstrecke " + std::to_string(i);
        p.Laenge[i - 1] = einzel(Laenge(i), "Länge" + ts);
        p.Breite[i - 1] = einzel(Breite(i), "Dachbreite" + ts);
        p.Zusatz_Flaeche[i - 1] = einzel(Zusatz_Flaeche(i), "Zusatzfläche" + ts);
        p.Winkelfaktor[i - 1] = Winkelfaktor_nach_Check(f, i);
    }
    p.Verhaeltnis_HB = einzel(T::Text1, "Verhältnis Höhe/Breite");
    p.Rinnenart = Option_Text(f, Rinnenart_Optionen);
    p.Combo_Schutzfaktor = text(f[L::Combo_Schutzfaktor].text, "Sicherheitsfaktor");
    p.Hindernis_Rinne = einzel(T::Text5, "Hindernis in der Rinne");
    p.Rinnenbreite_unten = einzel(T::Text2, "untere Rinnenbreite");
    p.Winkel_links = einzel(T::Text3, "Winkel links");
    p.Winkel_rechts = einzel(T::Text4, "Winkel rechts");
    p.Notueberlauf_Art = Option_Text(f, Notueberlauf_Optionen);
    p.Check_Schutzkorb = f[S::Check_Schutzkorb];
    p.Eingabe_Art = Option_Text(f, Eingabeart_Optionen);
    p.Gesamtlaenge = einzel(T::Text25, "Gesamtlänge");
    p.Gesamtflaeche = einzel(T::Text26, "Gesamtfläche");
    p.Anzahl_Stutzen = ganz(T::Text27, "Anzahl der Abläufe");
    p.Anordnung_Stutzen = Option_Text(f, Anordnung_Optionen);
    p.Combo_Diff_Notueberl = text(f[L::Combo_Diff_Notueberl].text, "Berechnung Notüberlauf");
    p.Index_Diff_Notueberl = f[L::Combo_Diff_Notueberl].index;
    p.Index_Abfl_beiwert = f[L::Combo_Abfl_beiwert].index;
    p.Anzahl_Notueberlaeufe = ganz(T::Text30, "Anzahl der Notüberläufe");
    p.Hoehenkorrektur = f.Hoehenkorrektur;
    if (zeichen_fehler) return Fehler{std::move(*zeichen_fehler)};
    if (!fehler.empty()) return Fehler{meldung::Eingesetzt(fehlertext, fehler)};
    return p;
}

std::string Projektdatei_schreiben(const Projektdaten& p) {
    std::string aus;
    aus.reserve(1024);
    auto zeile = [&](std::string_view cp1252) {
        aus += cp1252;
        aus += "\r\n";
    };
    auto text = [&](std::string_view utf8) { zeile(eine_zeile(utf8)); };
    auto reihe = [&](const std::array<float, 8>& werte) {
        std::string z;
        for (float w : werte) z += Zahlentext(w);
        zeile(z);
    };

    text(Projektkopf);
    for (const std::string* t : {&p.Bauherr, &p.strasse, &p.PLZ_Ort, &p.Telef, &p.Fax, &p.Bemerkungen,
                                 &p.Combo_Wahl_Regensp})
        text(*t);
    zeile(Zahlentext15(p.r5_5));
    zeile(Zahlentext15(p.r5_100));
    text(p.Combo_Abfl_beiwert);
    reihe(p.Laenge);
    reihe(p.Breite);
    reihe(p.Zusatz_Flaeche);
    zeile(Zahlentext(p.Verhaeltnis_HB));
    text(p.Rinnenart);
    text(p.Combo_Schutzfaktor);
    for (float w : {p.Hindernis_Rinne, p.Rinnenbreite_unten, p.Winkel_links, p.Winkel_rechts})
        zeile(Zahlentext(w));
    text(p.Notueberlauf_Art);
    zeile(gedruckt(p.Check_Schutzkorb ? 1.0f : 0.0f));
    zeile(gedruckt(0));
    for (float w : p.Winkelfaktor) zeile(Zahlentext(w));
    text(p.Eingabe_Art);
    zeile(Zahlentext(p.Gesamtlaenge));
    zeile(Zahlentext(p.Gesamtflaeche));
    zeile(Zahlentext(p.Anzahl_Stutzen));
    text(p.Anordnung_Stutzen);
    text(p.Combo_Diff_Notueberl);
    zeile(gedruckt(static_cast<float>(p.Index_Diff_Notueberl)));
    zeile(gedruckt(static_cast<float>(p.Index_Abfl_beiwert)));
    zeile(Zahlentext(p.Anzahl_Notueberlaeufe));
    zeile(gedruckt(p.Hoehenkorrektur));
    zeile("leer");
    return aus;
}

Erfolg<> Projekt_speichern(const Formular& f, const std::filesystem::path& datei) {
    const auto p = Projektdaten_sammeln(f);
    if (!p) return p.fehler();
    const Erfolg<> geschrieben = Datei_ersetzen(datei, Projektdatei_schreiben(*p));
    if (geschrieben) return {};
    return Fehler{geschrieben.fehler().text + std::string(meldung::Projekt_unveraendert_Text)};
}

}  // namespace dkm
