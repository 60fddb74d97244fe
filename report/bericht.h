// The two report pages composed from the window state. Nothing hydraulic is
// computed here: the values are those the last recalculation left behind.
#pragma once

#include "model/erfolg.h"
#include "model/formular.h"
#include "report/form.h"
#include "report/seite.h"

namespace dkm::bericht {

// Both pages from the window state as the last recalculation left it; nothing is recalculated
// or changed. A failure with the message that says why when the results are not those of the
// inputs (missing measures, a refused input, a stopped run) or no segment is measured: a report
// would print zeros as results.
Erfolg<Bericht> Bericht_erstellen(const Formular& f, const Berichtsform& form);

// Composition alone, from a state whose results are those of its inputs.
Bericht Bericht_zusammenstellen(const Formular& f, const Berichtsform& form);

}  // namespace dkm::bericht
