// Saving and loading the project with the file dialogs, and ending the program.
#include <QCloseEvent>
#include <QStatusBar>

#include "bedienung/bedienung.h"
#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "ui/form1.h"

namespace dkm::ui {

namespace {
std::filesystem::path pfad_aus(const std::string& utf8) { return std::u8string(utf8.begin(), utf8.end()); }
}  // namespace

std::filesystem::path Form1::letzter_ordner() const {
    return Projektordner_lesen(einstellungen_ / Projektordner_Dateiname);
}

void Form1::ordner_merken(const std::filesystem::path& datei) {
    if (!datei.has_parent_path()) return;
    // a convenience for the next dialog: a note in the status line when it cannot be kept, no box
    if (const Erfolg<> e = Projektordner_schreiben(einstellungen_ / Projektordner_Dateiname, datei.parent_path()); !e)
        statusBar()->showMessage(QString::fromStdString(e.fehler().text), 10000);
}

void Form1::Command2() {
    handler([this] {
        if (!Leitfaden_Konflikt(f_, p_, meldung::Befehl::Projekt_speichern)) return;
        const std::optional<std::string> pfad = p_.speichern_unter(
            {"aktuelles Projekt speichern", Speichervorschlag(f_, letzter_ordner()), "Dkm", {{"*.Dkm", "*.Dkm"}}});
        if (!pfad) return;
        if (const Erfolg<> e = Projekt_speichern(f_, pfad_aus(*pfad)); !e) {
            p_.meldung(std::string(meldung::Speichern_Titel), e.fehler().text);
            return;
        }
        Projekt_gespeichert(f_, *pfad);
        ordner_merken(pfad_aus(*pfad));
    });
}

void Form1::Command6() {
    handler([this] {
        if (!Leitfaden_Konflikt(f_, p_, meldung::Befehl::Projekt_aufrufen)) return;
        const std::optional<std::string> pfad = p_.oeffnen(
            {"vorhandenes Projekt aufrufen",
             Oeffnenvorschlag(letzter_ordner()),
             "Dkm",
             {{"*.Dkm (Version ab 2006)", "*.Dkm"}, {"*.Dkl (ältere Version)", "*.Dkl"}}});
        if (!pfad) return;
        if (Projekt_laden_Datei(f_, p_, pfad_aus(*pfad)) == Ladeergebnis::geladen) ordner_merken(pfad_aus(*pfad));
    });
}

void Form1::projekt_aufrufen(const std::filesystem::path& datei) {
    handler([&] {
        if (!Leitfaden_Konflikt(f_, p_, meldung::Befehl::Projekt_aufrufen)) return;
        std::error_code fehler;
        // the name box shows a full path, as after the file dialog
        const std::filesystem::path absolut = std::filesystem::absolute(datei, fehler).lexically_normal();
        Projekt_laden_Datei(f_, p_, fehler ? datei : absolut);
    });
}

void Form1::Command10() {
    if (beenden_frage()) return;
    beenden_bestaetigt_ = true;
    close();
}

void Form1::closeEvent(QCloseEvent* e) {
    if (!beenden_bestaetigt_ && beenden_frage()) {
        e->ignore();
        return;
    }
    beenden_bestaetigt_ = true;
    e->accept();
}

bool Form1::beenden_frage() {
    // nothing unsaved, nothing to ask
    if (!Projekt_geaendert(f_)) return false;
    // Yes stays in the program, so Escape and the close button stay too
    return p_.frage(meldung::Programm_beenden, true);
}

}  // namespace dkm::ui
