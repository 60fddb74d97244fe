// dkm-rechner's arguments and the --bericht, --pdf and --speichern modes.
#include "cli/bericht_aufruf.h"

#include "files/einstellungen.h"
#include "files/projektdatei.h"
#include "report/bericht.h"
#include "report/text.h"

namespace dkm {

namespace {

bool ist_option(const std::string& s) { return s.size() > 1 && s[0] == '-'; }

// "Titel: Text" on one line; a title that ends in a mark keeps it alone.
std::string Meldung_als_Zeile(const Meldung& m) {
    const bool zeichen = !m.titel.empty() && (m.titel.back() == '!' || m.titel.back() == '.');
    return m.titel + (zeichen ? " " : ": ") + m.text + "\n";
}

}  // namespace

Rechneraufruf Aufruf_lesen(const std::vector<std::string>& args) {
    Rechneraufruf a;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        a.art = Rechneraufruf::Hilfe;
        return a;
    }
    if (args.size() == 1 && args[0] == "--version") {
        a.art = Rechneraufruf::Version;
        return a;
    }
    std::vector<std::string> dateien;
    bool nur_dateien = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        const bool wert_folgt = i + 1 < args.size();
        if (nur_dateien || !ist_option(s)) {
            dateien.push_back(s);
        } else if (s == "--") {
            nur_dateien = true;
        } else if (s == "--bericht" && a.art == Rechneraufruf::Dump) {
            a.art = Rechneraufruf::Bericht;
        } else if (s == "--datum" && wert_folgt && a.datum.empty()) {
            a.datum = args[++i];
            if (!bericht::Datum_gueltig(a.datum)) a.fehler = "Das Datum \u201E" + a.datum + "\u201C ist kein Datum TT.MM.JJJJ.";
        } else if (s == "--speichern" && wert_folgt && a.art == Rechneraufruf::Dump) {
            a.art = Rechneraufruf::Speichern;
            a.ausgabe = args[++i];
        } else if (s == "--ersetzen" && !a.ersetzen) {
            a.ersetzen = true;
        } else if (s == "--pdf" && wert_folgt && a.art == Rechneraufruf::Dump) {
            a.art = Rechneraufruf::Pdf;
            a.ausgabe = args[++i];
        } else {
            a.fehler = "falscher Aufruf.";
        }
    }
    if (dateien.size() != 1) a.fehler = "falscher Aufruf.";
    else a.datei = dateien[0];
    if (!a.datum.empty() && a.art != Rechneraufruf::Bericht) a.fehler = "falscher Aufruf.";
    if (a.ersetzen && a.art != Rechneraufruf::Speichern) a.fehler = "falscher Aufruf.";
    if (a.art == Rechneraufruf::Speichern && a.ausgabe.empty()) a.fehler = "falscher Aufruf.";
    return a;
}

Rechnerlauf Bericht_ausgeben(const Rechneraufruf& a, Formular& f, int status,
                             const std::filesystem::path& einstellungsordner, const Pdf_Ausgabe& pdf) {
    Aussteller aussteller;
    Aussteller_lesen(einstellungsordner / Aussteller_Dateiname, aussteller);
    const std::string datum = a.datum.empty() ? bericht::Heute() : a.datum;
    Aufzeichnung d(&f);
    bericht::Berichtsform form = bericht::Vorschauform(aussteller, datum);
    if (a.art == Rechneraufruf::Pdf) {
        if (!pdf) return {2, "", "dkm-rechner: Diese Ausgabe des Programms kann keine PDF-Dateien schreiben.\n"};
        Druckwerte w{10, 0, 0};
        Druckwerte_lesen(einstellungsordner / Druckwrt_Dateiname, w);
        form = bericht::Papierform(w.Schriftgroesse, w.Verschiebung_horizontal, w.Verschiebung_vertikal, aussteller,
                                   datum);
    }
    const std::optional<bericht::Bericht> b = bericht::Bericht_erstellen(f, d, form);
    if (!b) return {1, "", "dkm-rechner: " + Meldung_als_Zeile(d.meldungen.back())};
    if (a.art == Rechneraufruf::Bericht) return {status, bericht::Als_Text(*b), ""};
    if (const auto fehler = pdf(*b, a.ausgabe)) return {2, "", "dkm-rechner: " + *fehler + "\n"};
    return {status, "", ""};
}

std::optional<Rechnerlauf> Speicherziel_pruefen(const Rechneraufruf& a) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    const fs::path ziel(a.ausgabe), quelle(a.datei);
    if (fs::equivalent(ziel, quelle, fehler) || ziel.lexically_normal() == quelle.lexically_normal())
        return Rechnerlauf{2, "", "dkm-rechner: Die Quelldatei wird nicht überschrieben; bitte einen anderen Namen angeben.\n"};
    // anything but a clear "not there" counts as there
    if (!a.ersetzen && fs::symlink_status(ziel, fehler).type() != fs::file_type::not_found)
        return Rechnerlauf{2, "", "dkm-rechner: Die Datei \u201E" + a.ausgabe +
                                      "\u201C gibt es schon; --ersetzen überschreibt sie.\n"};
    return std::nullopt;
}

Rechnerlauf Umgewandelt_speichern(const Rechneraufruf& a, Formular& f, int status) {
    if (status != 0)
        return {1, "", "dkm-rechner: Datei-Kontrolle: \u201E" + a.datei +
                           "\u201C ist keine lesbare Projektdatei; nichts geschrieben.\n"};
    if (const auto fehler = Projekt_speichern(f, a.ausgabe)) return {2, "", "dkm-rechner: " + *fehler + "\n"};
    return {0, "", ""};
}

}  // namespace dkm
