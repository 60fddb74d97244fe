#include "ui/start.h"

#include <QLocale>

#include "files/einstellungen.h"

namespace dkm::ui {

Formular Startformular(const std::filesystem::path& orte_datei) {
    return dkm::Startformular(orte_datei, QLocale::system().decimalPoint().toStdString());
}

}  // namespace dkm::ui
