// dkm-rechner's arguments and the --bericht, --pdf and --speichern modes.
#include "cli/bericht_aufruf.h"

#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "files/projektdatei.h"
#include "model/meldungen.h"
#include "report/bericht.h"
#include "report/text.h"

namespace dkm {

namespace {

namespace fs = std::filesystem;

bool ist_option(const std::string& s) { return s.size() > 1 && s[0] == '-'; }
std::string zitiert(const std::string& s) { return "\u201E" + s + "\u201C"; }

Rechnerlauf Abgelehnt(int status, const std::string& text) { return {status, "", "dkm-rechner: " + text + "\n"}; }

// Only a file that begins like one is taken for a PDF that a new report may replace.
bool Ist_Pdf(const fs::path& datei) {
    const auto anfang = Datei_lesen(datei, 4);
    return anfang && anfang->starts_with("%PDF-");
}

// "Titel: Text" on one line; a title that ends in a mark keeps it alone.
std::string Meldung_als_Zeile(const Meldung& m) {
    const bool zeichen = !m.titel.empty() && (m.titel.back() == '!' || m.titel.back() == '.');
    return m.titel + (zeichen ? " " : ": ") + m.text + "\n";
}

}  // namespace

Erfolg<Rechneraufruf> Aufruf_lesen(const std::vector<std::string>& args) {
    using A = Rechneraufruf;
    A a;
    std::string falsch;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        a.art = A::Hilfe;
        return a;
    }
    if (args.size() == 1 && args[0] == "--version") {
        a.art = A::Version;
        return a;
    }
    // the first fault found is the one reported
    auto fehler = [&](const std::string& text) {
        if (falsch.empty()) falsch = text;
    };
    auto art = [&](A::Art neu, const std::string& name) {
        if (a.art != A::Dump)
            fehler(a.art == neu ? name + " steht doppelt" : "--bericht, --pdf und --speichern schließen einander aus");
        a.art = neu;
    };
    std::vector<std::string> dateien;
    bool nur_dateien = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        // an option where a value belongs is a value forgotten, not a file named like an option
        const bool wert_folgt = i + 1 < args.size() && !ist_option(args[i + 1]);
        if (nur_dateien || !ist_option(s)) {
            dateien.push_back(s);
        } else if (s == "--") {
            nur_dateien = true;
        } else if (s == "--help" || s == "-h" || s == "--version") {
            fehler(s + " steht allein, ohne Datei und andere Optionen");
        } else if (s == "--bericht") {
            art(A::Bericht, s);
        } else if (s == "--pdf" || s == "--speichern") {
            art(s == "--pdf" ? A::Pdf : A::Speichern, s);
            if (wert_folgt) a.ausgabe = args[++i];
        } else if (s == "--datum") {
            if (!a.datum.empty()) fehler("--datum steht doppelt");
            if (!wert_folgt) {
                fehler("--datum braucht ein Datum TT.MM.JJJJ");
                continue;
            }
            a.datum = args[++i];
            if (!bericht::Datum_gueltig(a.datum)) fehler("Das Datum " + zitiert(a.datum) + " ist kein Datum TT.MM.JJJJ");
        } else if (s == "--ersetzen") {
            if (a.ersetzen) fehler("--ersetzen steht doppelt");
            a.ersetzen = true;
        } else {
            fehler("unbekannte Option " + zitiert(s));
        }
    }
    if (a.art == A::Pdf && (a.ausgabe.empty() || dateien.empty()))
        fehler("--pdf braucht eine Ausgabedatei und eine Projektdatei");
    if (a.art == A::Speichern && (a.ausgabe.empty() || dateien.empty()))
        fehler("--speichern braucht eine Zieldatei und eine Projektdatei");
    if (dateien.size() > 1) fehler("nur eine Projektdatei je Aufruf, nicht " + std::to_string(dateien.size()));
    if (dateien.empty()) fehler("keine Projektdatei angegeben");
    else a.datei = dateien[0];
    if (!a.datum.empty() && a.art != A::Bericht) fehler("--datum gilt nur mit --bericht");
    if (a.ersetzen && a.art != A::Speichern && a.art != A::Pdf) fehler("--ersetzen gilt nur mit --speichern oder --pdf");
    if (!falsch.empty()) return Fehler{falsch};
    return a;
}

Rechnerlauf Bericht_ausgeben(const Rechneraufruf& a, const Formular& f, int status,
                             const std::filesystem::path& einstellungsordner, const Pdf_Ausgabe& pdf) {
    const std::string datum = a.datum.empty() ? bericht::Heute() : a.datum;
    if (a.art == Rechneraufruf::Pdf && status != 0) return Nichts_geschrieben(a);
    bericht::Berichtsform form = bericht::Vorschauform(f.aussteller, datum);
    if (a.art == Rechneraufruf::Pdf) {
        if (!pdf) return Abgelehnt(2, std::string(meldung::Kein_Pdf_Schreiber_Text));
        const Druckwerte w = Druckwerte_lesen(einstellungsordner / Druckwrt_Dateiname, Druckwerte{10, 0, 0})
                                 .wert_oder(Druckwerte{10, 0, 0});
        form = bericht::Papierform(w.Schriftgroesse, w.Verschiebung_horizontal, w.Verschiebung_vertikal, f.aussteller,
                                   datum);
    }
    form.nachweis = Rechenweg_lesen(einstellungsordner / Rechenweg_Dateiname);
    const Erfolg<bericht::Bericht> b = bericht::Bericht_erstellen(f, form);
    if (!b) return {1, "", "dkm-rechner: " + Meldung_als_Zeile({b.fehler().titel, b.fehler().text})};
    if (a.art == Rechneraufruf::Bericht) return {status, bericht::Als_Text(*b), ""};
    if (const Erfolg<> e = pdf(*b, a.ausgabe); !e) return Abgelehnt(2, e.fehler().text);
    return {0, "", ""};
}

namespace {

Erfolg<> Nicht_das_Projekt(const Rechneraufruf& a) {
    const fs::path ziel(a.ausgabe), quelle(a.datei);
    if (Dieselbe_Datei(ziel, quelle) || ziel.lexically_normal() == quelle.lexically_normal())
        return Fehler{meldung::Eingesetzt(meldung::Projektdatei_als_Ziel_Text, a.ausgabe)};
    return {};
}

// Run after Ziel_pruefen: whatever is not clearly missing then stands there (a file, a link, a dangling link).
Erfolg<> Ersetzen_erlaubt(const Rechneraufruf& a) {
    const fs::path ziel(a.ausgabe);
    std::error_code ec;
    const bool vorhanden = fs::symlink_status(ziel, ec).type() != fs::file_type::not_found;
    if (!vorhanden || a.ersetzen) return {};
    if (a.art == Rechneraufruf::Speichern)
        return Fehler{"Die Datei " + zitiert(a.ausgabe) + " gibt es schon; --ersetzen überschreibt sie."};
    if (!Ist_Pdf(ziel))
        return Fehler{"Die Datei " + zitiert(a.ausgabe) +
                      " gibt es schon und ist keine PDF-Datei; --ersetzen überschreibt sie."};
    return {};
}

}  // namespace

Rechnerlauf Ziel_vorab_pruefen(const Rechneraufruf& a) {
    if (const Erfolg<> e = Nicht_das_Projekt(a); !e) return Abgelehnt(1, e.fehler().text);
    if (const Erfolg<> e = Ziel_pruefen(a.ausgabe); !e) return Abgelehnt(2, e.fehler().text);
    if (const Erfolg<> e = Ersetzen_erlaubt(a); !e) return Abgelehnt(1, e.fehler().text);
    return {};
}

Rechnerlauf Nichts_geschrieben(const Rechneraufruf& a) {
    return Abgelehnt(1, "Datei-Kontrolle: " + zitiert(a.datei) + " ist keine lesbare Projektdatei; nichts geschrieben.");
}

Rechnerlauf Umgewandelt_speichern(const Rechneraufruf& a, const Formular& f, int status) {
    if (status != 0) return Nichts_geschrieben(a);
    if (const Erfolg<> e = Projekt_speichern(f, a.ausgabe); !e) return Abgelehnt(2, e.fehler().text);
    return {0, "", ""};
}

}  // namespace dkm
