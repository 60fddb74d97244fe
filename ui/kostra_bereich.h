// The section "Regenspenden nach KOSTRA-DWD-2020" of the own-values window: the
// weather service's table (chosen once), a location or cell, the values found,
// and their takeover as an own place.
#pragma once

#include <QGroupBox>
#include <filesystem>
#include <functional>
#include <optional>

#include "files/kostra_tabelle.h"
#include "model/formular.h"
#include "ui/plattform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dkm::ui {

class Kostra_Bereich : public QGroupBox {
    Q_OBJECT
public:
    // `uebernehmen` stores a place among the own values; true when it did.
    using Uebernahme = std::function<bool(const Kostra_Ort& ort)>;
    Kostra_Bereich(Plattform& p, const Formular& f, Uebernahme uebernehmen, QWidget* eltern = nullptr);

    // When the own-values window opens: the table named in Kostra.dat of `einstellungsordner`.
    void oeffnen(const std::filesystem::path& einstellungsordner);

private:
    Plattform& p_;
    const Formular& f_;
    Uebernahme uebernehmen_;
    std::filesystem::path ordner_ = ".";
    std::filesystem::path pfad_;  // the table chosen, empty when none
    // the table read, with the file's state then: read again only when the file changed
    std::optional<Kostra_Tabelle> tabelle_;
    std::filesystem::file_time_type gelesen_zeit_{};
    std::uintmax_t gelesen_groesse_ = 0;
    std::optional<Kostra_Werte> gefunden_;

    QLabel* datei_ = nullptr;
    QLineEdit* ort_ = nullptr;
    QLabel* ergebnis_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* uebernehmen_knopf_ = nullptr;

    void tabelle_waehlen();
    void suchen();
    void uebernehmen();
    // The table of `pfad`, read unless it is the one held; the message on failure.
    Erfolg<> laden(const std::filesystem::path& pfad);
    void ergebnis_zeigen();
    void dateiname_zeigen();

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
};

}  // namespace dkm::ui
