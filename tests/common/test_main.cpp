#include <gtest/gtest.h>

#ifdef DKM_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifdef DKM_WITH_QT
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
