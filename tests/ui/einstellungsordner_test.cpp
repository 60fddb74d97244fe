#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <utility>

#include "files/einstellungsordner.h"

namespace dkm {
namespace {

// The folder computed without Qt is the one the toolkit names for the program.
TEST(Einstellungsordner, IstDerOrdnerDesToolkitsFuerDasProgramm) {
    const QString name_vorher = QCoreApplication::applicationName();
    const QByteArray xdg_vorher = qgetenv("XDG_CONFIG_HOME"), home_vorher = qgetenv("HOME");
    QCoreApplication::setApplicationName(QString::fromUtf8(Programmname));
    const std::pair<const char*, const char*> faelle[] = {
        {"/tmp/konfig", "/home/a"}, {"/tmp/konfig/", "/home/a"}, {"", "/home/b"}, {"", "/home/c/"}, {"", ""}};
    for (auto [xdg, home] : faelle) {
        qputenv("XDG_CONFIG_HOME", xdg);
        qputenv("HOME", home);
        const std::filesystem::path qt =
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
        EXPECT_EQ(Einstellungsordner().lexically_normal(), qt.lexically_normal()) << xdg << " " << home;
    }
    qputenv("XDG_CONFIG_HOME", xdg_vorher);
    qputenv("HOME", home_vorher);
    if (xdg_vorher.isNull()) qunsetenv("XDG_CONFIG_HOME");
    QCoreApplication::setApplicationName(name_vorher);
}

}  // namespace
}  // namespace dkm
