// The two report pages composed from the window state. Nothing hydraulic is
// computed here: the values are those the last recalculation left behind.
#pragma once

#include <optional>

#include "model/dialoge.h"
#include "model/formular.h"
#include "report/form.h"
#include "report/seite.h"

namespace dkm::bericht {

// Checks and recalculates the window state first (as every report does), then
// composes. Nothing when the results are not those of the inputs (missing
// measures, a refused input, a stopped run) or no segment is measured: a report
// would print zeros as results. The last message shown through `d` then says why.
[[nodiscard]] std::optional<Bericht> Bericht_erstellen(Formular& f, Dialoge& d, const Berichtsform& form);

// Composition alone, from a state that has just been recalculated.
Bericht Bericht_zusammenstellen(const Formular& f, const Berichtsform& form);

}  // namespace dkm::bericht
