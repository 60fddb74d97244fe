// The window in the room a 1920 x 1080 screen at 150 % leaves: every state whole, nothing moving, results in full;
// every control listed.
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <set>

#include "common/kostra_tabelle.h"
#include "fenster_hilfen.h"
#include "ui/bildbox.h"

namespace dkm::ui {

// 1280 x 720 logical pixels, less a task bar of 32 and a title bar of 30.
constexpr int Breite = 1280, Hoehe = 658;

static bool zeigt_text(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return !l->text().isEmpty();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return !b->text().isEmpty() || b->isCheckable();
    if (auto* b = qobject_cast<const BildBox*>(w)) return !b->bild().zeilen().empty();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

// Why `w` does not show its text whole, or an empty text.
static QString abgeschnitten(const QWidget* w) {
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
static bool schwebt(const QWidget* w) {
    return w->objectName() == QLatin1String("Hilfe_Text") || (w->objectName() == QLatin1String("Druckvorsch") &&
                                                              w->parentWidget()->objectName() == "Form1_Inhalt");
}

// Findings of one state: clipped texts, overlapping controls, scroll bars, inputs under a floating box.
static QStringList befunde(QWidget* fenster) {
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
static QMap<QString, QRect> orte(QWidget* fenster) {
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
    // After clicking `knoepfe`: the state shown fits, shows every text whole, and moved no control the user aims at.
    void pruefen(const char* zustand, std::initializer_list<const char*> knoepfe = {}) {
        klick(knoepfe);
        QApplication::processEvents();
        if (vorher.isEmpty()) vorher = orte(fenster.get());
        const auto jetzt = orte(fenster.get());
        for (auto [name, ort] : jetzt.asKeyValueRange())  // a control shown only now has no place to keep
            EXPECT_EQ(ort, vorher.value(name, ort)) << zustand << ": " << name.toStdString() << " moved";
        EXPECT_TRUE(fenster->width() <= Breite && fenster->height() <= Hoehe) << zustand;
        const QStringList fehler = befunde(fenster.get());
        EXPECT_TRUE(fehler.isEmpty()) << zustand << ":\n" << fehler.join(QLatin1Char('\n')).toStdString();
    }
    QMap<QString, QRect> vorher;
};

TEST_F(Layout_Test, JederZustandPasstZeigtAllesGanzUndBewegtNichts) {
    pruefen("start");
    tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}, {"Laenge_2", "12"}, {"Breite_2", "8"}});
    pruefen("eaves gutter, single mode, sketch and leaf guard note", {"Check_Schutzkorb"});
    ASSERT_TRUE(w("Picture37")->isVisible() && w("Label14")->isVisible());
    const std::string datei = (ordner / "Hallendach Nord mit einem langen Namen.Dkm").string();
    p.dateien = {datei, datei};
    pruefen("file name row", {"Command2", "Command6"});
    ASSERT_TRUE(w("Text24")->isVisible());
    pruefen("project data", {"Command15"});
    pruefen("own values", {"Command14", "Command22"});
    QTabBar* reiter = w<QTabWidget>("Eigenwerte_Reiter")->tabBar();
    QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(1).center());
    p.dateien = {test::Kostra_Zip(ordner).string()};
    klick("Kostra_Tabelle_waehlen");
    feld("Kostra_Ort")->setText(QString::fromUtf8("51°26'46\" N 7°01'13\" E"));
    pruefen("own values, a grid cell's values", {"Kostra_Suchen"});
    ASSERT_FALSE(w<QLabel>("Kostra_Ergebnis")->text().isEmpty());
    pruefen("printer panel", {"Command23", "Command19"});
    ASSERT_TRUE(w("Frame5")->isVisible());

    p.antworten = {true};
    klick({"Command21", "Option11"});
    tippen({{"Text25", "60"}, {"Text26", "600"}, {"Text27", "6"}});
    pruefen("eaves gutter, total mode, notes");
    ASSERT_TRUE(w("Text28")->isVisible());
    klick({"Option2", "Option5"});
    tippen("Text30", "2");
    pruefen("internal gutter, total mode, notes");
    pruefen("correction panel", {"Command11"});
    ASSERT_TRUE(w("Druckvorsch")->isVisible());
    p.antworten = {true};
    pruefen("internal gutter, single mode", {"Command31", "Option10"});
    pruefen("internal gutter, overflow at both ends", {"Option3"});
    pruefen("guide, rainfall step", {"Command27", "Command28", "Command28", "Command28", "Command28"});
    // the longest text: steps 5, 6, 8 to 13 of an internal gutter in single mode
    for (int i = 0; i < 8; ++i) klick("Command28");
    ASSERT_EQ(f().Leitfaden_Verlauf[static_cast<size_t>(f().Leitfaden_Zaehler)], "Rinnenlaengen_einzeln");
    pruefen("guide, segment lengths step");
    pruefen("after the guide", {"Command29"});
}

static std::set<std::string> Gelistet() {
    std::set<std::string> namen;
    auto alle = [&]<typename E>(E) {
        for (int i = 0; i < static_cast<int>(E::Anzahl); ++i) namen.insert(std::string(Name(static_cast<E>(i))));
    };
    alle(T{}), alle(L{}), alle(S{}), alle(V{}), alle(A{});
    for (const Bildbox& b : Bildboxen) namen.insert("Picture" + std::to_string(b.nummer));
    for (std::string_view n : Befehle) namen.insert(std::string(n));
    for (std::string_view n : Weitere_Steuerelemente) namen.insert(std::string(n));
    return namen;
}

// The control lists of the Formular and the window's widgets name the same controls.
TEST_F(Fenster, EveryListedControlHasItsWidgetAndEveryNamedWidgetIsListed) {
    const std::set<std::string> gelistet = Gelistet();
    std::set<std::string> vorhanden;
    for (QWidget* x : fenster->findChildren<QWidget*>()) {
        const std::string name = x->objectName().toStdString();
        // the toolkit names some of its own inner widgets
        if (!name.empty() && !name.starts_with("qt_")) vorhanden.insert(name);
    }
    for (const std::string& n : gelistet) EXPECT_TRUE(vorhanden.count(n)) << "listed, but no widget: " << n;
    for (const std::string& n : vorhanden) EXPECT_TRUE(gelistet.count(n)) << "widget, but not listed: " << n;
}

}  // namespace dkm::ui
