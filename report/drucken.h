// Printing the report: the platform's printers behind a small interface, and
// the sequence of the print command on it.
#pragma once

#include <optional>
#include <string>

#include "model/dialoge.h"
#include "model/erfolg.h"
#include "model/formular.h"
#include "report/form.h"
#include "report/seite.h"

namespace dkm::bericht {

struct Druckerwahl {
    std::string drucker;  // empty: the default printer
    int kopien = 1;
};

class Drucker {
public:
    virtual ~Drucker() = default;
    virtual bool drucker_vorhanden() = 0;
    // The printer dialog for this one print; nothing when cancelled. The
    // system's default printer is never changed.
    virtual std::optional<Druckerwahl> drucker_waehlen() = 0;
    // One job with both pages; what went wrong (German) on failure.
    virtual Erfolg<> drucken(const Bericht& b, const std::string& drucker) = 0;
};

enum class Druckausgang { gedruckt, abgebrochen, kein_Drucker_Pdf, fehlgeschlagen, verweigert };

// "Projekt drucken" after the guide question: asks for the default printer (No: the printer
// dialog), prints each copy as its own job. Without a printer it offers the PDF export instead
// (kein_Drucker_Pdf when wanted). verweigert: no report of these inputs, the message says why.
Druckausgang Projekt_drucken(const Formular& f, Dialoge& d, Drucker& p, const Berichtsform& papier);

}  // namespace dkm::bericht
