// The window on a 1280 x 720 screen: every state whole, nothing moving, results in full.
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>

#include "fenster_hilfen.h"
#include "ui/bildbox.h"

namespace dkm::ui {
namespace {

// The room of the window at 1280 x 720 logical pixels, less the frame's title bar.
constexpr int Breite = 1280, Hoehe = 690;

bool zeigt_text(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return !l->text().isEmpty();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return !b->text().isEmpty() || b->isCheckable();
    if (auto* b = qobject_cast<const BildBox*>(w)) return !b->bild().zeilen().empty();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

QRect im_fenster(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// Why `w` does not show its text whole, or an empty text.
QString abgeschnitten(const QWidget* w) {
    // every ancestor up to the window holds the whole widget
    for (const QWidget* k = w; k && !k->isWindow(); k = k->parentWidget())
        if (!k->parentWidget()->rect().contains(k->geometry()))
            return QStringLiteral("outside its parent %1").arg(k->parentWidget()->objectName());
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        const QSize noetig = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
        if (noetig.width() > l->width() || noetig.height() > l->height()) return QStringLiteral("label too small");
    } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->minimumSizeHint().width() > b->width() || b->minimumSizeHint().height() > b->height())
            return QStringLiteral("button too small");
    } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        // results and numbers are read whole; free text such as a path may scroll
        const bool frei = e->objectName() == QLatin1String("Text24") || e->objectName().isEmpty();
        const int platz = e->width() - 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
        if (!frei && e->fontMetrics().horizontalAdvance(e->text()) > platz) return "text too long";
    } else if (auto* b = qobject_cast<const BildBox*>(w)) {
        // widths of the lines in the box's font, bold as painted
        int breite = 0;
        for (const Zeile& z : b->bild().zeilen()) {
            int x = 0;
            for (const Stueck& s : z.stuecke) {
                QFont f = b->font();
                f.setBold(s.stil.fett);
                x += QFontMetrics(f).horizontalAdvance(QString::fromStdString(s.text));
            }
            breite = std::max(breite, x);
        }
        if (breite > b->contentsRect().width() - 6) return "line too long";
        if (int(b->bild().zeilen().size()) * b->zeilenhoehe() > b->contentsRect().height() - 3) return "too many lines";
    } else if (auto* t = qobject_cast<const QPlainTextEdit*>(w)) {
        if (t->verticalScrollBar()->maximum() > 0) return QStringLiteral("text runs over");
    }
    return {};
}

// The boxes that float over the results (the help, the guide's box) and cover no input.
bool schwebt(const QWidget* w) {
    return w->objectName() == QLatin1String("Hilfe_Text") || (w->objectName() == QLatin1String("Druckvorsch") &&
                                                              w->parentWidget()->objectName() == "Form1_Inhalt");
}

// Findings of one state: clipped texts, overlapping controls, scroll bars, inputs under a floating box.
QStringList befunde(QWidget* fenster) {
    QStringList fehler;
    std::vector<QWidget*> mit_text, schwebend, eingaben;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (schwebt(w)) {
            schwebend.push_back(w);
            if (const QString grund = abgeschnitten(w); !grund.isEmpty()) fehler << w->objectName() + ": " + grund;
        }
        bool darin = false;
        for (const QWidget* a = w; a && !darin; a = a->parentWidget()) darin = schwebt(a);
        if (darin) continue;
        auto* e = qobject_cast<const QLineEdit*>(w);
        if ((e && !e->isReadOnly() && !qobject_cast<QComboBox*>(w->parentWidget())) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractButton*>(w))
            eingaben.push_back(w);
        if (auto* s = qobject_cast<QScrollBar*>(w)) fehler << "scroll bar in " + s->parentWidget()->objectName();
        // the parts of a list box are its own business
        if (!zeigt_text(w) || qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (const QString grund = abgeschnitten(w); !grund.isEmpty()) fehler << w->objectName() + ": " + grund;
        mit_text.push_back(w);
    }
    for (size_t i = 0; i < mit_text.size(); ++i)
        for (size_t k = i + 1; k < mit_text.size(); ++k) {
            QWidget *a = mit_text[i], *b = mit_text[k];
            if (!a->isAncestorOf(b) && !b->isAncestorOf(a) && im_fenster(a).intersects(im_fenster(b)))
                fehler << a->objectName() + " overlaps " + b->objectName();
        }
    for (QWidget* s : schwebend)
        for (QWidget* e : eingaben)
            if (!s->isAncestorOf(e) && im_fenster(s).intersects(im_fenster(e)))
                fehler << s->objectName() + " covers the input " + e->objectName();
    return fehler;
}

// Where every visible control stands, by name.
QMap<QString, QRect> orte(QWidget* fenster) {
    QMap<QString, QRect> m;
    for (QWidget* w : fenster->findChildren<QWidget*>())
        if (w->isVisible() && !schwebt(w) && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            m[w->objectName()] = im_fenster(w);
    return m;
}

class Layout_Test : public Fenster {
protected:
    void SetUp() override {
        Fenster::SetUp();
        fenster->resize(Breite, Hoehe);
    }
    // The state shown now fits, shows every text whole, and moved no control the user aims at.
    void pruefen(const char* zustand) {
        QApplication::processEvents();
        if (vorher.isEmpty()) vorher = orte(fenster.get());
        const auto jetzt = orte(fenster.get());
        for (auto it = jetzt.begin(); it != jetzt.end(); ++it)
            if (vorher.contains(it.key())) {
                EXPECT_EQ(it.value(), vorher[it.key()]) << zustand << ": " << it.key().toStdString() << " moved";
            }
        EXPECT_LE(fenster->width(), Breite) << zustand;
        EXPECT_LE(fenster->height(), Hoehe) << zustand;
        const QStringList fehler = befunde(fenster.get());
        EXPECT_TRUE(fehler.isEmpty()) << zustand << ":\n" << fehler.join(QLatin1Char('\n')).toStdString();
    }
    QMap<QString, QRect> vorher;
};

TEST_F(Layout_Test, JederZustandPasstZeigtAllesGanzUndBewegtNichts) {
    pruefen("start");
    tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}, {"Laenge_2", "12"}, {"Breite_2", "8"}});
    klick("Check_Schutzkorb");
    ASSERT_TRUE(w("Picture37")->isVisible() && w("Label14")->isVisible());
    pruefen("eaves gutter, single mode, sketch and leaf guard note");
    const std::string datei = (ordner / "Hallendach Nord mit einem langen Namen.Dkm").string();
    p.dateien = {datei, datei};
    klick({"Command2", "Command6"});
    ASSERT_TRUE(w("Text24")->isVisible());
    pruefen("file name row");
    klick("Command15");
    pruefen("project data");
    klick({"Command14", "Command22"});
    pruefen("own values");
    klick({"Command23", "Command19"});
    ASSERT_TRUE(w("Frame5")->isVisible());
    pruefen("printer panel");
    klick("Command21");

    p.antworten = {true};
    klick("Option11");
    tippen({{"Text25", "60"}, {"Text26", "600"}, {"Text27", "6"}});
    ASSERT_TRUE(w("Text28")->isVisible());
    pruefen("eaves gutter, total mode, notes");
    klick({"Option2", "Option5"});
    tippen("Text30", "2");
    pruefen("internal gutter, total mode, notes");
    klick("Command11");
    ASSERT_TRUE(w("Druckvorsch")->isVisible());
    pruefen("correction panel");
    klick("Command31");
    p.antworten = {true};
    klick("Option10");
    pruefen("internal gutter, single mode");
    klick("Option3");
    pruefen("internal gutter, overflow at both ends");
    klick("Command27");
    for (int i = 0; i < 4; ++i) klick("Command28");
    pruefen("guide, rainfall step");
    // the longest text: steps 5, 6, 8 to 13 of an internal gutter in single mode
    for (int i = 0; i < 8; ++i) klick("Command28");
    ASSERT_EQ(f().Leitfaden_Verlauf[static_cast<size_t>(f().Leitfaden_Zaehler)], "Rinnenlaengen_einzeln");
    pruefen("guide, segment lengths step");
    klick("Command29");
    pruefen("after the guide");
}

}  // namespace
}  // namespace dkm::ui
