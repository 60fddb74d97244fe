#include "ui/plattform.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "model/meldungen.h"
#include "report/qt/maler.h"
#include "report/qt/pdf.h"
#include "report/text.h"

namespace dkm::ui {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

// Beside the title, a title bar holds the window's icon and its three buttons.
constexpr int Titelleiste_Knoepfe = 160;

// A box narrower than its title would show the title cut off: it is made as wide as the title
// in a bold font (as most title bars write it) and the buttons beside it.
void titel_ganz(QMessageBox& box) {
    auto* raster = qobject_cast<QGridLayout*>(box.layout());
    if (!raster) return;
    QFont fett = box.font();
    fett.setBold(true);
    const int breite = QFontMetrics(fett).horizontalAdvance(box.windowTitle()) + Titelleiste_Knoepfe;
    raster->addItem(new QSpacerItem(breite, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), raster->rowCount(), 0, 1,
                    raster->columnCount());
}
}  // namespace

void Qt_Plattform::meldung(const std::string& titel, const std::string& text) {
    vorher();
    QMessageBox box(QMessageBox::Information, q(titel), q(text), QMessageBox::NoButton, eltern_);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    titel_ganz(box);
    box.exec();
}

std::optional<bool> Qt_Plattform::frage_box(const std::string& titel, const std::string& text) {
    vorher();
    QMessageBox box(QMessageBox::Question, q(titel), q(text), QMessageBox::NoButton, eltern_);
    QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    // without an escape button of its own the box would take "Nein" for Escape and the close button
    QPushButton* abbruch = box.addButton(QMessageBox::Cancel);
    abbruch->hide();
    box.setEscapeButton(abbruch);
    titel_ganz(box);
    box.exec();
    if (box.clickedButton() == ja) return true;
    if (box.clickedButton() == nein) return false;
    return std::nullopt;
}

bool Qt_Plattform::frage(const std::string& titel, const std::string& text, bool bei_abbruch) {
    return frage_box(titel, text).value_or(bei_abbruch);
}

void Qt_Plattform::piepton() { QApplication::beep(); }

namespace {

std::optional<std::string> datei_dialog(QWidget* eltern, const Dateidialog& d, bool speichern) {
    QFileDialog dlg(eltern, q(d.titel));
    // the platform's own dialog would speak the system's language, not necessarily German
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    dlg.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(q(d.endung));
    QStringList filter;
    for (const Dateifilter& f : d.filter) filter << q(f.name + " (" + f.muster + ")");
    dlg.setNameFilters(filter);
    dlg.selectFile(q(d.vorschlag));
    dlg.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dlg.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dlg.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dlg.setLabelText(QFileDialog::Accept, speichern ? QStringLiteral("Speichern") : QStringLiteral("Öffnen"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().first().toStdString();
}

}  // namespace

std::optional<std::string> Qt_Plattform::speichern_unter(const Dateidialog& d) {
    vorher();
    for (;;) {
        std::optional<std::string> pfad = datei_dialog(eltern_, d, true);
        if (!pfad || !QFileInfo::exists(q(*pfad))) return pfad;
        const std::string name = QFileInfo(q(*pfad)).fileName().toStdString();
        // No chooses another name; Escape gives up saving
        const std::optional<bool> ersetzen =
            frage_box(d.titel, meldung::Eingesetzt(meldung::Ueberschreiben_Text, name));
        if (!ersetzen) return std::nullopt;
        if (*ersetzen) return pfad;
    }
}

std::optional<std::string> Qt_Plattform::oeffnen(const Dateidialog& d) {
    vorher();
    return datei_dialog(eltern_, d, false);
}

bool Qt_Plattform::drucker_vorhanden() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

std::optional<bericht::Druckerwahl> Qt_Plattform::drucker_waehlen() {
    vorher();
    QPrinter drucker;
    QPrintDialog dlg(&drucker, eltern_);
    dlg.setWindowTitle(QStringLiteral("Drucken"));
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return bericht::Druckerwahl{drucker.printerName().toStdString(), std::max(drucker.copyCount(), 1)};
}

Erfolg<> Qt_Plattform::drucken(const bericht::Bericht& b, const std::string& name) {
    QPrinter drucker(QPrinter::HighResolution);
    if (!name.empty()) drucker.setPrinterName(q(name));
    drucker.setCopyCount(1);
    drucker.setDocName(QStringLiteral("Dachkandelmesser"));
    bericht::Seite_einrichten(drucker);
    QPainter p;
    if (!drucker.isValid() || !p.begin(&drucker)) return Fehler{std::string(meldung::Drucker_nicht_bereit_Text)};
    const bool beide = bericht::Bericht_malen(p, drucker, b);
    if (!p.end() || !beide) return Fehler{std::string(meldung::Drucker_nicht_bereit_Text)};
    return {};
}

}  // namespace dkm::ui
