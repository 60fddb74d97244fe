#include "ui/form1.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QStatusBar>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "bedienung/bedienung.h"
#include "bedienung/neuberechnung.h"
#include "ui/vorschauseite.h"
#include "ui/bildbox.h"
#include "ui/hilfe.h"
#include "ui/korrektur.h"
#include "ui/leitfaden.h"
#include "ui/ortsliste.h"
#include "ui/tastenfilter.h"

namespace dkm::ui {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The 48 boxes whose keys are filtered.
bool numerisch(T t) {
    const int i = static_cast<int>(t);
    auto in = [i](T a, T b) { return i >= static_cast<int>(a) && i <= static_cast<int>(b); };
    if (in(T::Laenge_1, T::Zusatz_Flaeche_8) || t == T::r5_5 || t == T::r5_100 || in(T::Text1, T::Text8)) return true;
    if (in(T::Text10, T::Text23)) return (i - static_cast<int>(T::Text9)) % 3 != 0;
    return t == T::Text25 || t == T::Text26 || t == T::Text27 || t == T::Text30;
}

bool segmentfeld(T t) {
    return static_cast<int>(t) >= static_cast<int>(T::Laenge_1) &&
           static_cast<int>(t) <= static_cast<int>(T::Zusatz_Flaeche_8);
}

// A locked box is read-only and out of the tab order; a click still selects its text for copying.
void feld_sperren(QWidget* w, bool gesperrt) {
    auto* e = qobject_cast<QLineEdit*>(w);
    if (!e || e->isReadOnly() == gesperrt) return;
    e->setReadOnly(gesperrt);
    e->setFocusPolicy(gesperrt ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, gesperrt ? p.color(QPalette::Button) : QPalette().color(QPalette::Base));
    e->setPalette(p);
}

}  // namespace

Form1::Form1(Plattform& p, const Formular& f, QWidget* eltern) : QMainWindow(eltern), p_(p), f_(f) {
    aufbauen();
    verbinden();
    tab_reihenfolge();
    // a message refers to what the engine just did, so show that first
    p_.vor_dialog = [this] { anzeigen(); };
    anzeigen();
    resize(minimumSizeHint());
}

Form1::~Form1() {
    p_.vor_dialog = nullptr;
    // its events refer to the Formular, which goes before the widgets
    delete hilfe_bindung_;
    // the boxes are destroyed after this object and must not call back into it
    for (QWidget* w : text_)
        if (w) w->removeEventFilter(this);
    korr_knopf_->removeEventFilter(this);
    vorschau_knopf_->removeEventFilter(this);
}

QPushButton* Form1::knopf(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

void Form1::befehl(const char* name, void (Form1::*m)()) {
    if (QPushButton* b = knopf(name)) connect(b, &QPushButton::clicked, this, [this, m] { (this->*m)(); });
}

void Form1::verbinden() {
    tastenfilter_ = new Tastenfilter(p_, [this] { handler([this] { Neuberechnung(f_, p_); }); }, this);
    for (int i = 0; i < Anzahl(T{}); ++i) {
        const T t = static_cast<T>(i);
        QWidget* w = findChild<QWidget*>(q(Name(t)));
        text_[static_cast<size_t>(i)] = w;
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            connect(e, &QLineEdit::textEdited, this, [this, t](const QString& s) { eingabe_geaendert(t, s); });
            e->installEventFilter(this);
            if (numerisch(t)) e->installEventFilter(tastenfilter_);
        }
    }
    for (int i = 0; i < static_cast<int>(L::Anzahl); ++i) {
        const L l = static_cast<L>(i);
        QComboBox* c = findChild<QComboBox*>(q(Name(l)));
        liste_[static_cast<size_t>(i)] = c;
        connect(c, &QComboBox::activated, this, [this, l](int index) { liste_gewaehlt(l, index); });
        if (l == L::Combo_Wahl_Regensp) new Ortsliste_Filter(c);
        if (c->lineEdit())
            connect(c->lineEdit(), &QLineEdit::textEdited, this, [this, l](const QString& s) {
                f_[l] = {s.toStdString(), -1};
            });
    }
    for (int i = 0; i < static_cast<int>(S::Anzahl); ++i) {
        const S s = static_cast<S>(i);
        auto* b = findChild<QAbstractButton*>(q(Name(s)));
        schalter_[static_cast<size_t>(i)] = b;
        connect(b, &QAbstractButton::clicked, this, [this, s](bool an) { schalter_geklickt(s, an); });
    }
    for (int i = 0; i < static_cast<int>(V::Anzahl); ++i)
        sichtbar_[static_cast<size_t>(i)] = findChild<QWidget*>(q(Name(static_cast<V>(i))));
    for (int i = 0; i < static_cast<int>(A::Anzahl); ++i)
        aktiv_[static_cast<size_t>(i)] = findChild<QWidget*>(q(Name(static_cast<A>(i))));
    for (const Bildbox& b : Bildboxen)
        bild_[static_cast<size_t>(b.nummer)] = findChild<BildBox*>(QStringLiteral("Picture%1").arg(b.nummer));
    hilfe_knopf_ = knopf("Command17");
    drucker_knopf_ = knopf("Command19");
    korr_knopf_ = knopf("Command11");
    platz_reservieren();
    korr_knopf_->installEventFilter(this);
    vorschau_knopf_ = knopf("Command3");
    vorschau_knopf_->installEventFilter(this);
    seite_ = new Vorschauseite(centralWidget());
    leitfaden_ = std::make_unique<Leitfaden_Anzeige>(centralWidget(), korrektur_, platz_);
    hilfe_bindung_ = new Hilfe_Bindung(this, hilfe_, f_);

    befehl("Command1", &Form1::Command1);
    befehl("Command2", &Form1::Command2);
    befehl("Command3", &Form1::Command3);
    befehl("Command6", &Form1::Command6);
    befehl("Command7", &Form1::Command7);
    befehl("Command9", &Form1::Command9);
    befehl("Command10", &Form1::Command10);
    befehl("Command11", &Form1::Command11);
    befehl("Command12", &Form1::Command12);
    befehl("Command13", &Form1::Command13);
    befehl("Command14", &Form1::Command14);
    befehl("Command15", &Form1::Command15);
    befehl("Command17", &Form1::Command17);
    befehl("Command18", &Form1::Command18);
    befehl("Command19", &Form1::Command19);
    befehl("Command20", &Form1::Command20);
    befehl("Command21", &Form1::Command21);
    befehl("Command22", &Form1::Command22);
    befehl("Command23", &Form1::Command23);
    befehl("Command27", &Form1::Command27);
    befehl("Command28", &Form1::Command28);
    befehl("Command29", &Form1::Command29);
    befehl("Command30", &Form1::Command30);
    befehl("Command31", &Form1::Command31);
    befehl("Formular_Print", &Form1::Formular_Print);
    befehl("Ueber_Dachkandelmesser", &Form1::Ueber);
    befehl("Als_PDF_speichern", &Form1::Als_PDF_speichern);
    const char* uebernehmen_knoepfe[] = {"Command4", "Command5", "Command24", "Command25", "Command26"};
    for (int k = 0; k < 5; ++k)
        if (QPushButton* b = knopf(uebernehmen_knoepfe[k]))
            connect(b, &QPushButton::clicked, this, [this, k] { uebernehmen(k + 1); });
}

void Form1::handler(const std::function<void()>& fn) {
    // focus moved by the handler or by showing its result is no leaving of a box
    ++beschaeftigt_;
    const QSize vorher = size();
    fn();
    anzeigen();
    groesse_halten(vorher);
    --beschaeftigt_;
}

void Form1::eingabe_geaendert(T t, const QString& text) { f_[t] = text.toStdString(); }

void Form1::feld_verlassen(T t) {
    handler([&] { Feld_verlassen(f_, p_, t); });
}

void Form1::schalter_geklickt(S s, bool an) {
    const bool option = qobject_cast<QRadioButton*>(schalter_[static_cast<size_t>(s)]) != nullptr;
    // a click on the option already chosen changes nothing, as before
    if (option && f_[s]) return;
    handler([&] {
        if (option) Option_Click(f_, p_, s);
        else Check_Click(f_, p_, s, an);
    });
}

void Form1::liste_gewaehlt(L l, int index) {
    handler([&] { Liste_Click(f_, p_, l, index); });
}

bool Form1::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() != QEvent::FocusOut || beschaeftigt_ > 0 || beenden_bestaetigt_) return false;
    // focus taken by a message box, a context menu or another window is no leaving of the box
    const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
    if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason || grund == Qt::MenuBarFocusReason)
        return false;
    if (ziel == korr_knopf_) {
        handler([&] { Command11_verlassen(f_, p_); });
        return false;
    }
    if (ziel == vorschau_knopf_) {
        vorschau_verlassen();
        return false;
    }
    for (size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == ziel) {
            feld_verlassen(static_cast<T>(i));
            break;
        }
    return false;
}

void Form1::anzeigen() {
    for (size_t i = 0; i < text_.size(); ++i) {
        const QString s = QString::fromStdString(f_.text[i]);
        if (auto* e = qobject_cast<QLineEdit*>(text_[i])) {
            if (e->text() != s) e->setText(s);
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(text_[i])) {
            if (t->toPlainText() != s) t->setPlainText(s);
        }
    }
    for (size_t i = 0; i < liste_.size(); ++i) {
        QComboBox* c = liste_[i];
        const Liste& l = f_.liste[i];
        const QSignalBlocker sperre(c);
        const int index = l.index < c->count() ? l.index : -1;
        if (c->currentIndex() != index) c->setCurrentIndex(index);
        const QString s = QString::fromStdString(l.text);
        if (c->isEditable()) {
            if (c->currentText() != s) c->setEditText(s);
        } else if (index < 0) {
            // a loaded text that is no entry is shown as it was read
            c->setPlaceholderText(s);
        }
    }
    for (size_t i = 0; i < schalter_.size(); ++i) {
        QAbstractButton* b = schalter_[i];
        if (b->isChecked() == f_.wahl[i]) continue;
        QButtonGroup* g = b->group();
        if (g && !f_.wahl[i]) g->setExclusive(false);
        b->setChecked(f_.wahl[i]);
        if (g) g->setExclusive(true);
    }
    sichtbarkeit_zeigen();
    for (size_t i = 0; i < aktiv_.size(); ++i)
        if (QWidget* w = aktiv_[i]; w && w->isEnabled() != f_.aktiv[i]) w->setEnabled(f_.aktiv[i]);
    for (const Bildbox& bb : Bildboxen)
        if (BildBox* b = bild_[static_cast<size_t>(bb.nummer)]) b->setze(f_.Picture(bb.nummer));
    aktualitaet_zeigen();
    if (const bool vorgegeben = Regenwerte_vorgegeben(f_); regenhinweis_->isHidden() == vorgegeben)
        regenhinweis_->setVisible(vorgegeben);
    panelplatz_zeigen();
    panel_zustand_zeigen();
    korrektur_->anzeigen(f_);
    leitfaden_->anzeigen(f_);
    leitfaden_->fokus_setzen(f_);
    vorschau_platzieren();
    titel_zeigen();
    hilfe_zeigen();
}

void Form1::titel_zeigen() {
    const QString titel = QString::fromStdString(Fenstertitel(f_));
    if (windowTitle() != titel) setWindowTitle(titel);
}

// Text of results that belong to earlier inputs.
const QColor Farbe_veraltet(150, 150, 150);

void Form1::aktualitaet_zeigen() {
    const bool veraltet = !f_.Ergebnisse_aktuell;
    const QString hinweis = QString::fromStdString(f_.Masse_Hinweis);
    if (masse_hinweis_->text() != hinweis) masse_hinweis_->setText(hinweis);
    if (veraltet == ergebnisse_grau_) return;
    ergebnisse_grau_ = veraltet;
    for (int i = static_cast<int>(Erstes_Ergebnisfeld); i < Anzahl(T{}); ++i)
        if (auto* e = qobject_cast<QLineEdit*>(text_[static_cast<size_t>(i)])) {
            QPalette p = e->palette();
            p.setColor(QPalette::Text, veraltet ? Farbe_veraltet : QApplication::palette().color(QPalette::Text));
            e->setPalette(p);
        }
    for (BildBox* b : bild_)
        if (b) b->setze_veraltet(veraltet);
}

void Form1::hilfe_zeigen() { hilfe_bindung_->zeigen(); }

void Form1::platz_reservieren() {
    // what comes and goes keeps its place, so that nothing below or beside it moves;
    // the panels of the shared place and the two gutters' results take turns instead
    const V im_wechsel[] = {V::Frame2, V::Frame8, V::Frame5, V::Frame9, V::Druckvorsch, V::Rinne_vorgeh_einzel,
                            V::Frame6, V::Rinnen_innenliegend, V::Frame4, V::Hilfe_Text};
    for (size_t i = 0; i < sichtbar_.size(); ++i) {
        QWidget* w = sichtbar_[i];
        if (!w || std::find(std::begin(im_wechsel), std::end(im_wechsel), static_cast<V>(i)) != std::end(im_wechsel))
            continue;
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
}

void Form1::panelplatz_zeigen() {
    // Of the panels that open over "Vorgaben"/"Projektdaten", the one opened last is shown;
    // the others wait below it until it closes.
    const V panels[] = {V::Frame9, V::Frame5, V::Druckvorsch};
    for (V v : panels) {
        // the guide's box floats elsewhere and leaves the panels where they are
        const bool offen = f_[v] && !(v == V::Druckvorsch && f_.aktiver_Modus == Modus::Leitfaden);
        const auto pos = std::find(offene_panels_.begin(), offene_panels_.end(), v);
        if (offen && pos == offene_panels_.end()) offene_panels_.push_back(v);
        if (!offen && pos != offene_panels_.end()) offene_panels_.erase(pos);
    }
    if (offene_panels_.empty()) return;
    for (V v : {V::Frame2, V::Frame8, V::Frame9, V::Frame5, V::Druckvorsch})
        if (QWidget* w = sichtbar_[static_cast<size_t>(v)]) w->setVisible(v == offene_panels_.back());
}

void Form1::panel_zustand_zeigen() {
    const bool gesamt = Ist_gesamt(f_);
    for (size_t i = 0; i < text_.size(); ++i)
        if (segmentfeld(static_cast<T>(i))) feld_sperren(text_[i], gesamt);
    for (T t : {T::Text25, T::Text26, T::Text27}) feld_sperren(text_[static_cast<size_t>(t)], !gesamt);
    // the guide switches the help off for its duration without a word on the button
    const bool aus = !f_.Hilfe_an && !f_.Hilfe_vor_Leitfaden;
    hilfe_knopf_->setText(aus ? QStringLiteral("Hilfe einschalten")
                                                            : QStringLiteral("Hilfe ausschalten"));
    drucker_knopf_->setText(f_.Druckjustage_offen ? QStringLiteral("Drucker justieren ´aus´")
                                                               : QStringLiteral("Drucker justieren ´ein´"));
}

}  // namespace dkm::ui
