// Message boxes and questions, as the engine raises them. The window shows
// them modally; dkm-rechner and the tests record them and answer Yes.
#pragma once

#include <string>

#include "model/meldungen.h"

namespace dkm {

class Dialoge {
public:
    virtual ~Dialoge() = default;
    // Information box with an OK button.
    virtual void meldung(const std::string& titel, const std::string& text) = 0;
    // Question with Yes and No; true for Yes.
    virtual bool frage(const std::string& titel, const std::string& text) = 0;
    // The short warning sound some leave handlers give instead of a message.
    virtual void piepton() {}

    // The same for an entry of the message table.
    void meldung(const Meldungstext& m) { meldung(std::string(m.titel), std::string(m.text)); }
    bool frage(const Meldungstext& m) { return frage(std::string(m.titel), std::string(m.text)); }
};

}  // namespace dkm
