// The settings folder found without Qt is the one the toolkit names for the program on Windows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStandardPaths>

#include "files/dateizugriff.h"
#include "files/einstellungsordner.h"

namespace dkm {
namespace {

TEST(Einstellungsordner, IstAufWindowsDerOrdnerDesToolkits) {
    QCoreApplication::setApplicationName(QString::fromUtf8(Programmname));
    const std::filesystem::path qt =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdWString();
    EXPECT_EQ(Einstellungsordner().lexically_normal(), qt.lexically_normal());
    EXPECT_NE(Pfadtext(Einstellungsordner()).find("Dachkandelmesser"), std::string::npos);
}

}  // namespace
}  // namespace dkm
