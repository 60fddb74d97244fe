// Tests of the window need no display: a screen of 1366 x 768 pixels without one.
#include <QByteArray>
#include <QtGlobal>

const bool offscreen = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=" DKM_BILDSCHIRM));
    return true;
}();
