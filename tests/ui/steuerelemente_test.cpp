// The control lists of the Formular and the window's widgets name the same controls.
#include <set>

#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

using Steuerelemente_Test = Fenster;

std::set<std::string> Gelistet() {
    std::set<std::string> namen;
    for (int i = 0; i < static_cast<int>(T::Anzahl); ++i) namen.insert(std::string(Name(static_cast<T>(i))));
    for (int i = 0; i < static_cast<int>(L::Anzahl); ++i) namen.insert(std::string(Name(static_cast<L>(i))));
    for (int i = 0; i < static_cast<int>(S::Anzahl); ++i) namen.insert(std::string(Name(static_cast<S>(i))));
    for (int i = 0; i < static_cast<int>(V::Anzahl); ++i) namen.insert(std::string(Name(static_cast<V>(i))));
    for (int i = 0; i < static_cast<int>(A::Anzahl); ++i) namen.insert(std::string(Name(static_cast<A>(i))));
    for (const Bildbox& b : Bildboxen) namen.insert("Picture" + std::to_string(b.nummer));
    for (std::string_view n : Befehle) namen.insert(std::string(n));
    for (std::string_view n : Weitere_Steuerelemente) namen.insert(std::string(n));
    return namen;
}

TEST_F(Steuerelemente_Test, EveryListedControlHasItsWidgetAndEveryNamedWidgetIsListed) {
    const std::set<std::string> gelistet = Gelistet();
    std::set<std::string> im_fenster;
    for (QWidget* x : fenster->findChildren<QWidget*>()) {
        const std::string name = x->objectName().toStdString();
        // the toolkit names some of its own inner widgets
        if (!name.empty() && !name.starts_with("qt_")) im_fenster.insert(name);
    }
    for (const std::string& n : gelistet) EXPECT_TRUE(im_fenster.count(n)) << "listed, but no widget: " << n;
    for (const std::string& n : im_fenster) EXPECT_TRUE(gelistet.count(n)) << "widget, but not listed: " << n;
}

}  // namespace
}  // namespace dkm::ui
