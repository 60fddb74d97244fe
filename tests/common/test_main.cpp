#include <gtest/gtest.h>

#ifdef DKM_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef DKM_WITH_QT
    // tests of the window and the painter need no display
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
