// The one painter of report pages: the preview box, the printer and the PDF
// file all draw through it, on a QPainter whose unit is one twip.
#pragma once

#include <QFont>

#include "report/satz.h"
#include "report/seite.h"

class QPainter;
class QPagedPaintDevice;

namespace dkm::bericht {

// The closest installed sans-serif to the report's font, at `punkt` points,
// sized in twips (20 per point).
QFont Berichtsschrift(double punkt, bool fett = false, bool unterstrichen = false);

// The measures of that font, for laying out a report.
class Qt_Schriftmass : public Schriftmass {
public:
    double breite(const std::string& text, double punkt, bool fett) const override;
    double oberlaenge(double punkt) const override;
    double unterlaenge(double punkt) const override;
};

// All pages laid out with the report's font.
Satz Bericht_setzen(const Bericht& b);

// Paints a laid-out page with its top left corner at the painter's origin;
// the painter must map one unit to one twip.
void Satzseite_malen(QPainter& p, const Satzseite& s);
// Lays out the report and paints page `seite` (from 1).
void Seite_malen(QPainter& p, const Bericht& b, int seite);

// The sheet of the printout and the PDF: A4 with the whole sheet to paint on
// (the report keeps its own margins).
void Seite_einrichten(QPagedPaintDevice& geraet);
// All pages of a paper report on a paged device set up with Seite_einrichten,
// the painter already begun on it. False when the device refused a new page.
bool Bericht_malen(QPainter& p, QPagedPaintDevice& geraet, const Bericht& b);

}  // namespace dkm::bericht
