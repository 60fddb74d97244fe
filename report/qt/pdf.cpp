// The report as a PDF file, written beside its place and renamed into it.
#include "report/qt/pdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "files/dateizugriff.h"
#include "model/meldungen.h"
#include "report/qt/maler.h"

namespace dkm::bericht {

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
        Bericht_malen(p, w, b);
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
