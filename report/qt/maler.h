// The one painter of report pages: the preview box, the printer and the PDF
// file all draw through it, on a QPainter whose unit is one twip.
#pragma once

#include <QFont>

#include "report/seite.h"

class QPainter;

namespace dkm::bericht {

// The closest installed sans-serif to the report's font, at `punkt` points,
// sized in twips (20 per point).
QFont Berichtsschrift(double punkt);

// Paints page `seite` (1 or 2) with its top left corner at the painter's
// origin. The painter must map one unit to one twip. A page wider than
// `breite` (twips, 0: no limit) is narrowed evenly to fit.
void Seite_malen(QPainter& p, const Bericht& b, int seite, double breite = 0);

// Extent of the preview box, twips.
inline constexpr int Vorschau_breite = 7800, Vorschau_hoehe = 10000;

}  // namespace dkm::bericht
