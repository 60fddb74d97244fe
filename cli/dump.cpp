#include "cli/dump.h"

#include <charconv>
#include <filesystem>
#include <variant>

#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "files/einstellungsordner.h"
#include "files/laden.h"
#include "model/meldungen.h"
#include "model/startzustand.h"
#include "model/version.h"
#include "cli/bericht_aufruf.h"
#include "cli/json.h"
#include "cli/werte_json.h"

namespace dkm {

namespace {

struct Hoehe {};  // the one number among the inputs
using Eingabe = std::variant<T, L, S, Hoehe>;
using Ergebnis = std::variant<T, int>;  // a result box, or picture box n

template <typename E>
std::vector<E> Folge(E erstes, int anzahl) {
    std::vector<E> v;
    for (int i = 0; i < anzahl; ++i) v.push_back(static_cast<E>(static_cast<int>(erstes) + i));
    return v;
}

template <typename E, typename... R>
void anhaengen(std::vector<E>& v, const R&... teile) {
    (v.insert(v.end(), teile.begin(), teile.end()), ...);
}

std::vector<Eingabe> Eingaben() {
    std::vector<Eingabe> v{T::Bauherr, T::strasse, T::PLZ_Ort, T::Telef, T::Fax, T::Bemerkungen,
                           L::Combo_Wahl_Regensp, T::r5_5, T::r5_100, L::Combo_Abfl_beiwert,
                           L::Combo_Schutzfaktor, L::Combo_Diff_Notueberl};
    for (T t : Folge(T::Text1, 5)) v.push_back(t);
    for (T t : {T::Text25, T::Text26, T::Text27, T::Text30}) v.push_back(t);
    for (T erstes : {T::Laenge_1, T::Breite_1, T::Zusatz_Flaeche_1})
        for (T t : Folge(erstes, 8)) v.push_back(t);
    for (S s : Folge(S::Option1, 8)) v.push_back(s);
    for (S s : {S::Option10, S::Option11}) v.push_back(s);
    for (S s : Folge(S::Check1, 8)) v.push_back(s);
    v.push_back(S::Check_Schutzkorb);
    v.push_back(Hoehe{});
    return v;
}

std::vector<Ergebnis> Ergebnisse() {
    std::vector<Ergebnis> v;
    for (int i = static_cast<int>(Erstes_Ergebnisfeld); i < Anzahl(T{}); ++i) v.push_back(static_cast<T>(i));
    for (const Bildbox& b : Bildboxen)
        if (b.art == Bildart::Text) v.push_back(b.nummer);
    return v;
}

std::vector<V> Sichtbare() {
    std::vector<V> v{V::Rinne_vorgeh_einzel, V::Frame6, V::Rinnen_innenliegend, V::Frame4, V::Label3, V::Label6,
                     V::Label14, V::Text28, V::Text29, V::Picture1, V::Picture2, V::Picture28};
    anhaengen(v, Folge(V::Picture29, 4), std::vector<V>{V::Picture34, V::Picture35}, Folge(V::Picture43, 4));
    return v;
}

std::vector<A> Aktive() {
    std::vector<A> v = Folge(A::Option3, 6);
    anhaengen(v, std::vector<A>{A::Combo_Diff_Notueberl, A::Text30, A::Command11});
    return v;
}

using json::Zahl;
void Json_Text(std::string& aus, std::string_view s) { json::Text(aus, s); }

// Writes `"name": ` with the indentation of an object member.
void Schluessel(std::string& aus, std::string_view name, bool& erstes) {
    aus += erstes ? "\n    " : ",\n    ";
    erstes = false;
    Json_Text(aus, name);
    aus += ": ";
}

std::string Bildname(int n) { return "Picture" + std::to_string(n); }

}  // namespace

std::string Dezimaltrenner(const char* lc_all, const char* lc_numeric, const char* lang) {
    for (const char* wert : {lc_all, lc_numeric, lang}) {
        if (wert && *wert) return std::string_view(wert).starts_with("de_DE") ? "," : ".";
    }
    return ".";
}

std::string Dump(const Formular& f, const std::vector<Meldung>& meldungen) {
    std::string aus = "{\n  \"format\": \"dkm-rechner/1\",\n  \"eingaben\": {";
    bool erstes = true;
    for (const Eingabe& e : Eingaben()) {
        if (const T* t = std::get_if<T>(&e)) {
            Schluessel(aus, Name(*t), erstes);
            Json_Text(aus, f[*t]);
        } else if (const L* l = std::get_if<L>(&e)) {
            Schluessel(aus, Name(*l), erstes);
            Json_Text(aus, f[*l].text);
        } else if (const S* s = std::get_if<S>(&e)) {
            Schluessel(aus, Name(*s), erstes);
            aus += f[*s] ? "true" : "false";
        } else {
            Schluessel(aus, "Hoehenkorrektur", erstes);
            aus += Zahl(f.Hoehenkorrektur);
        }
    }
    aus += "\n  },\n  \"ergebnisse\": {";
    erstes = true;
    for (const Ergebnis& e : Ergebnisse()) {
        if (const T* t = std::get_if<T>(&e)) {
            Schluessel(aus, Name(*t), erstes);
            Json_Text(aus, f[*t]);
            continue;
        }
        const int n = std::get<int>(e);
        Schluessel(aus, Bildname(n), erstes);
        const std::vector<std::string> zeilen = f.Picture(n).texte();
        if (zeilen.empty()) {
            aus += "[]";
            continue;
        }
        aus += '[';
        for (size_t i = 0; i < zeilen.size(); ++i) {
            aus += i ? ",\n      " : "\n      ";
            Json_Text(aus, zeilen[i]);
        }
        aus += "\n    ]";
    }
    aus += "\n  },\n  \"sichtbar\": {";
    erstes = true;
    for (V v : Sichtbare()) {
        Schluessel(aus, Name(v), erstes);
        aus += f[v] ? "true" : "false";
    }
    aus += "\n  },\n  \"aktiv\": {";
    erstes = true;
    for (A a : Aktive()) {
        Schluessel(aus, Name(a), erstes);
        aus += f[a] ? "true" : "false";
    }
    aus += "\n  },\n  \"werte\": ";
    Werte_json(aus, f);
    aus += ",\n  \"meldungen\": [";
    for (size_t i = 0; i < meldungen.size(); ++i) {
        aus += i ? ",\n    {\"titel\": " : "\n    {\"titel\": ";
        Json_Text(aus, meldungen[i].titel);
        aus += ", \"text\": ";
        Json_Text(aus, meldungen[i].text);
        if (!meldungen[i].hilfe.empty()) {
            aus += ", \"hilfe\": ";
            Json_Text(aus, meldungen[i].hilfe);
        }
        aus += '}';
    }
    aus += meldungen.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return aus;
}

namespace {

constexpr std::string_view Hilfe =
    "Aufruf: dkm-rechner DATEI\n"
    "        dkm-rechner --bericht DATEI [--datum TT.MM.JJJJ]\n"
    "        dkm-rechner --pdf AUSGABE.pdf [--ersetzen] DATEI\n"
    "        dkm-rechner --speichern NEU.Dkm [--ersetzen] DATEI\n"
    "        dkm-rechner --kostra TABELLE (--zelle NUMMER | --ort BREITE LAENGE)\n"
    "        dkm-rechner --help | --version\n"
    "\n"
    "Lädt die Projektdatei DATEI (*.Dkm, auch ältere *.Dkl) so, wie das Fenster ein vorhandenes\n"
    "Projekt aufruft, rechnet neu und gibt Eingaben, Ergebnisse, sichtbare und aktive Felder, die\n"
    "Zahlen der Berechnung (\"werte\", ungerundet, Einheit im Namen) und alle Meldungen als\n"
    "JSON-Objekt (UTF-8) aus. Fragen werden mit ´Ja´ beantwortet.\n"
    "\n"
    "Eigene Regenspenden kommen aus Regeneig.dat im Einstellungsordner des Programms (unter Linux\n"
    "$XDG_CONFIG_HOME/Dachkandelmesser, sonst ~/.config/Dachkandelmesser; unter Windows\n"
    "%LOCALAPPDATA%\\Dachkandelmesser), wenn die Datei\n"
    "vorhanden ist. Fehlt sie dort, liegt aber im Arbeitsordner, wird sie einmalig dorthin übernommen.\n"
    "Das Dezimaltrennzeichen der Ergebnisse folgt LC_ALL, LC_NUMERIC oder LANG\n"
    "(de_DE: Komma, sonst Punkt).\n"
    "\n"
    "--bericht gibt statt dessen die Berichtsseiten der Druckvorschau als Text aus (UTF-8, jede\n"
    "weitere Seite nach einer Zeile mit einem Seitenvorschub): die beiden Berichtsseiten und danach\n"
    "den \"Nachweis der Bemessung\", wenn \"Rechenweg mitdrucken\" eingestellt ist (Rechenweg.dat im\n"
    "Einstellungsordner, ohne die Datei: ja); --datum legt das Datum fest (sonst heute).\n"
    "--pdf schreibt den Bericht, wie er gedruckt wird, als PDF-Datei AUSGABE.pdf, mit den\n"
    "Druckereinstellungen und dem Aussteller aus dem Einstellungsordner; es braucht keinen Bildschirm.\n"
    "Sind die Ergebnisse nicht die der Eingaben (fehlende Maße, eine zu große oder zu kleine Eingabe,\n"
    "eine angehaltene Berechnung, keine vermaßte Teilstrecke), schreiben --bericht und --pdf nichts:\n"
    "Die Meldung steht auf der Fehlerausgabe, Rückgabewert 1.\n"
    "\n"
    "--speichern schreibt das geladene Projekt (auch eine ältere *.Dkl) im heutigen Format nach NEU.Dkm.\n"
    "--speichern und --pdf schreiben nie über DATEI selbst (auch nicht über einen Verweis oder harten\n"
    "Link darauf) und nichts, wenn DATEI kein lesbares Projekt ist. Eine vorhandene Zieldatei ersetzen\n"
    "sie nur mit --ersetzen; --pdf ersetzt eine vorhandene PDF-Datei auch ohne.\n"
    "Rückgabewert: 0 geschrieben, 1 nichts geschrieben (Datei-Kontrolle oder Ziel abgelehnt),\n"
    "2 falscher Aufruf, DATEI nicht lesbar oder Schreibfehler.\n"
    "\n"
    "--kostra gibt die Regenspenden r(5,5) und r(5,100) mit ihren Unsicherheiten (%) eines Rasterfelds\n"
    "von KOSTRA-DWD-2020 als JSON-Objekt aus, aus der Tabelle StatRR_KOSTRA-DWD-2020_D00005.csv(.zip)\n"
    "des Deutschen Wetterdienstes; das Feld mit seiner Nummer (049125) oder ein Ort (Breite und Länge in\n"
    "Grad, z. B. 51.4462 7.0202 oder 51°26'46\" 7°01'13\"). Rückgabewert 1 mit Meldung, wenn die\n"
    "Tabelle oder der Ort keine Werte gibt. Datenbasis: Deutscher Wetterdienst, KOSTRA-DWD-2020.\n"
    "\n"
    "Zeigt eine Meldung neben sich das Hilfefeld (Hinweis beim Einlesen älterer Projekte, *.Dkl),\n"
    "steht dessen Text bei dieser Meldung unter \"hilfe\".\n"
    "\n"
    "Rückgabewert ohne --speichern und --pdf: 0 Projekt geladen, 1 Datei-Kontrolle (die Ausgabe\n"
    "folgt trotzdem), 2 falscher Aufruf, Datei nicht lesbar oder Ausgabe nicht schreibbar.\n";

}  // namespace

Rechnerlauf Rechner(const std::vector<std::string>& argumente, const std::string& dezimaltrenner,
                    const std::filesystem::path& einstellungsordner, const std::filesystem::path& arbeitsordner,
                    const Pdf_Ausgabe& pdf) {
    const Erfolg<Rechneraufruf> aufruf = Aufruf_lesen(argumente);
    if (!aufruf)
        return {2, "", "dkm-rechner: " + aufruf.fehler().text + " (dkm-rechner --help erklärt den Aufruf).\n"};
    const Rechneraufruf& a = *aufruf;
    if (a.art == Rechneraufruf::Hilfe) return {0, std::string(Hilfe), ""};
    if (a.art == Rechneraufruf::Version) return {0, "dkm-rechner " + std::string(Programmversion) + "\n", ""};
    if (a.art == Rechneraufruf::Pdf && !pdf)
        return {2, "", "dkm-rechner: " + std::string(meldung::Kein_Pdf_Schreiber_Text) + "\n"};

    const std::string& datei = a.datei;
    if (a.art == Rechneraufruf::Speichern || a.art == Rechneraufruf::Pdf)
        if (Rechnerlauf nein = Ziel_vorab_pruefen(a); nein.status != 0) return nein;
    const auto inhalt = Datei_lesen(datei, Projektdatei_Hoechstgroesse);
    if (!inhalt)
        return {2, "", "dkm-rechner: Die Datei \u201E" + datei + "\u201C kann nicht geöffnet werden.\n"};

    std::string hinweis;
    if (!arbeitsordner.empty())
        if (const Erfolg<> e = Einstellungen_uebernehmen(einstellungsordner, arbeitsordner); !e)
            hinweis = "dkm-rechner: Hinweis: " + e.fehler().text + "\n";
    // a converted file is written with the file's own decimal point, whatever the locale
    Formular f = Startformular(einstellungsordner / Regeneig_Dateiname,
                               a.art == Rechneraufruf::Speichern ? std::string(".") : dezimaltrenner);

    Aufzeichnung d(&f);
    const Ladeergebnis e = Projekt_laden(f, d, datei, *inhalt);
    const int status = e == Ladeergebnis::Datei_Kontrolle ? 1 : 0;
    Rechnerlauf lauf = a.art == Rechneraufruf::Dump        ? Rechnerlauf{status, Dump(f, d.meldungen), ""}
                       : a.art == Rechneraufruf::Speichern ? Umgewandelt_speichern(a, f, status)
                                                           : Bericht_ausgeben(a, f, status, einstellungsordner, pdf);
    lauf.fehler.insert(0, hinweis);
    return lauf;
}

}  // namespace dkm
