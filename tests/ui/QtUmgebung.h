#pragma once
#include <QApplication>

namespace pelu::test {

// The one QApplication of the ui tests, made on first use. Without a
// platform chosen from outside it runs offscreen, so the tests need no display.
inline QApplication& QtAnwendung() {
    static int argc = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return 1;
    }();
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    static QApplication anwendung(argc, argv);
    return anwendung;
}

} // namespace pelu::test
