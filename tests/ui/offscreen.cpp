// Tests of the window need no display: a screen of 1366 x 768 pixels without one, also where the
// environment asks for the offscreen platform without naming a screen.
#include <QByteArray>
#include <QtGlobal>

const bool offscreen = [] {
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    if (plattform.isEmpty() || plattform == "offscreen")
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=" DKM_BILDSCHIRM));
    return true;
}();
