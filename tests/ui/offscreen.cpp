// Tests of the window need no display.
#include <QByteArray>
#include <QtGlobal>

const bool offscreen = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    return true;
}();
