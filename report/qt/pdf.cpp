// The report as a PDF file, written beside its place and renamed into it.
#include "report/qt/pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "files/dateizugriff.h"
#include "model/meldungen.h"
#include "report/qt/maler.h"

namespace dkm::bericht {

void Seite_einrichten(QPagedPaintDevice& geraet) {
    geraet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 8, 3, 8),
                                     QPageLayout::Millimeter));
}

std::string Pdf_erzeugen(const Bericht& b, const std::string& titel) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter w(&puffer);
        w.setResolution(1440);  // one unit is one twip
        w.setTitle(QString::fromStdString(titel));
        w.setCreator(QStringLiteral("Dachkandelmesser"));
        Seite_einrichten(w);
        QPainter p(&w);
        const double breite = w.pageLayout().paintRectPixels(w.resolution()).width();
        Seite_malen(p, b, 1, breite);
        w.newPage();
        Seite_malen(p, b, 2, breite);
    }
    return puffer.data().toStdString();
}

std::optional<std::string> Pdf_schreiben(const Bericht& b, const std::filesystem::path& ziel) {
    const std::string bytes = Pdf_erzeugen(b, ziel.stem().string());
    auto fehler = Datei_ersetzen(ziel, bytes);
    if (fehler) *fehler += meldung::Projekt_unveraendert_Text;
    return fehler;
}

}  // namespace dkm::bericht
