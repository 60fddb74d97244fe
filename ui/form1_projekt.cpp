// Saving and loading the project with the file dialogs.
#include "bedienung/bedienung.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "ui/form1.h"

namespace dkm::ui {

void Form1::Command2() {
    handler([this] {
        if (!Leitfaden_Konflikt(f_, p_, meldung::Befehl::Projekt_speichern)) return;
        const std::optional<std::string> pfad =
            p_.speichern_unter({"aktuelles Projekt speichern", "KandProj", "Dkm", {{"*.Dkm", "*.Dkm"}}});
        if (!pfad) return;
        if (auto fehler = Projekt_speichern(f_, std::filesystem::path(*pfad)))
            p_.meldung(std::string(meldung::Speichern_Titel), *fehler);
    });
}

void Form1::Command6() {
    handler([this] {
        if (!Leitfaden_Konflikt(f_, p_, meldung::Befehl::Projekt_aufrufen)) return;
        const std::optional<std::string> pfad = p_.oeffnen(
            {"vorhandenes Projekt aufrufen",
             "KandProj",
             "Dkm",
             {{"*.Dkm (Version ab 2006)", "*.Dkm"}, {"*.Dkl (ältere Version)", "*.Dkl"}}});
        if (!pfad) return;
        Projekt_laden_Datei(f_, p_, std::filesystem::path(*pfad));
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

}  // namespace dkm::ui
