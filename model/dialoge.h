// Message boxes and questions, as the engine raises them. The window shows
// them modally; dkm-rechner and the tests record them and answer Yes.
#pragma once

#include <string>

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
};

}  // namespace dkm
