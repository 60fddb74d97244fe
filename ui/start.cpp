#include "ui/start.h"

#include <QLocale>

#include "files/einstellungen.h"
#include "model/startzustand.h"

namespace dkm::ui {

Formular Startformular(const std::filesystem::path& orte_datei) {
    Formular f;
    Eigene_Orte orte;
    const bool gelesen = Eigene_Orte_lesen(orte_datei, orte);
    Startzustand(f, gelesen ? &orte : nullptr);
    f.dezimaltrenner = QLocale::system().decimalPoint().toStdString();
    return f;
}

}  // namespace dkm::ui
