// What the window needs from the desktop besides its own widgets: message
// boxes, questions and the file dialogs. The real one shows Qt dialogs; the
// scripted one answers from a queue and records everything it was shown.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/dialoge.h"
#include "report/drucken.h"

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

// Besides the boxes and file dialogs, the printers (report/drucken.h).
class Plattform : public Dialoge, public bericht::Drucker {
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
    bool drucker_vorhanden() override;
    std::optional<bericht::Druckerwahl> drucker_waehlen() override;
    std::optional<std::string> drucken(const bericht::Bericht& b, const std::string& drucker) override;

private:
    QWidget* eltern_;
};

// For tests and benchmarks: no window opens.
class Skript_Plattform : public Plattform {
public:
    struct Eintrag {
        std::string art;  // "meldung", "frage", "piepton", "speichern", "oeffnen", "drucker"
        std::string titel;
        std::string text;
    };

    std::deque<bool> antworten;                       // Yes/No, in order; Yes when empty
    std::deque<std::optional<std::string>> dateien;   // file dialogs; cancel when empty
    std::vector<Eintrag> protokoll;
    // Printers: whether there is one, the printer dialog's answers (cancel when
    // empty), a failure every job reports, and the jobs printed.
    bool drucker_da = true;
    std::deque<std::optional<bericht::Druckerwahl>> druckerwahlen;
    std::optional<std::string> druckfehler;
    struct Auftrag {
        std::string drucker;
        int seiten;
        int schriftgroesse;
        std::string text;  // both pages as dkm-rechner prints them
    };
    std::vector<Auftrag> auftraege;
    std::function<void(const Eintrag&)> beim_zeigen;  // sees each entry as it is shown

    void meldung(const std::string& titel, const std::string& text) override;
    bool frage(const std::string& titel, const std::string& text) override;
    void piepton() override;
    std::optional<std::string> speichern_unter(const Dateidialog& d) override;
    std::optional<std::string> oeffnen(const Dateidialog& d) override;
    bool drucker_vorhanden() override { return drucker_da; }
    std::optional<bericht::Druckerwahl> drucker_waehlen() override;
    std::optional<std::string> drucken(const bericht::Bericht& b, const std::string& drucker) override;

    std::vector<std::string> titel() const;  // titles of messages and questions, in order

private:
    void zeigen(Eintrag e);
};

}  // namespace dkm::ui
