#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "files/einstellungen.h"
#include "files/einstellungsordner.h"
#include "ui/form1.h"
#include "ui/start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dachkandelmesser"));
    QTranslator qt_texte;
    if (qt_texte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_texte);

    // a program started from a menu has no meaningful working directory; a first start takes its files over
    const std::filesystem::path ordner = dkm::Einstellungsordner();
    dkm::Einstellungen_uebernehmen(ordner, ".");
    dkm::ui::Qt_Plattform plattform;
    dkm::ui::Form1 fenster(plattform, dkm::ui::Startformular(ordner / dkm::Regeneig_Dateiname));
    fenster.setze_einstellungsordner(ordner);
    plattform.setze_eltern(&fenster);
    fenster.show();
    return QApplication::exec();
}
