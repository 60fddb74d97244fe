#include <gtest/gtest.h>

#ifdef DKM_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef DKM_WITH_QT
    // tests of the window and the painter need no display; the window's on a screen of 1366 x 768 pixels,
    // also where the environment asks for the offscreen platform without naming a screen
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
#ifdef DKM_BILDSCHIRM
    if (plattform.isEmpty() || plattform == "offscreen")
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=" DKM_BILDSCHIRM));
#else
    if (plattform.isEmpty()) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
#endif
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
