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

Erfolg<> Pdf_schreiben(const Bericht& b, const std::filesystem::path& ziel) {
    const std::string bytes = Pdf_erzeugen(b, ziel.stem().string());
    const Erfolg<> geschrieben = Datei_ersetzen(ziel, bytes);
    if (geschrieben) return {};
    return Fehler{geschrieben.fehler().text + std::string(meldung::Projekt_unveraendert_Text)};
}

}  // namespace dkm::bericht
