// What the window needs from the desktop besides its own widgets: message
// boxes, questions and the file dialogs. The real one shows Qt dialogs; the
// tests use a scripted one that answers from a queue.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/dialoge.h"

class QWidget;

namespace dkm::ui {

struct Dateifilter {
    std::string name;    // "*.Dkm (Version ab 2006)"
    std::string muster;  // "*.Dkm"
};

struct Dateidialog {
    std::string titel;
    std::string vorschlag;  // proposed file name
    std::string endung;     // default extension, without the point
    std::vector<Dateifilter> filter;
};

class Plattform : public Dialoge {
public:
    // Chosen path (UTF-8), or nothing when cancelled. Saving asks before overwriting.
    virtual std::optional<std::string> speichern_unter(const Dateidialog& d) = 0;
    virtual std::optional<std::string> oeffnen(const Dateidialog& d) = 0;

    // Runs before any dialog is shown, so the window can show the state it refers to.
    std::function<void()> vor_dialog;

protected:
    void vorher() {
        if (vor_dialog) vor_dialog();
    }
};

class Qt_Plattform : public Plattform {
public:
    explicit Qt_Plattform(QWidget* eltern = nullptr) : eltern_(eltern) {}
    void setze_eltern(QWidget* w) { eltern_ = w; }

    void meldung(const std::string& titel, const std::string& text) override;
    bool frage(const std::string& titel, const std::string& text) override;
    void piepton() override;
    std::optional<std::string> speichern_unter(const Dateidialog& d) override;
    std::optional<std::string> oeffnen(const Dateidialog& d) override;

private:
    QWidget* eltern_;
};

}  // namespace dkm::ui
