#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace pelu::test {

inline std::unique_ptr<QApplication>& QtAnwendungHalter() {
    static std::unique_ptr<QApplication> anwendung;
    return anwendung;
}

// The one QApplication of the ui tests, made on first use. Without a
// platform chosen from outside it runs offscreen, so the tests need no display.
inline QApplication& QtAnwendung() {
    std::unique_ptr<QApplication>& anwendung = QtAnwendungHalter();
    if (!anwendung) {
        static int argc = 1;
        static char name[] = "test_ui";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        anwendung = std::make_unique<QApplication>(argc, argv);
    }
    return *anwendung;
}

// Ends the application after the last test. Left to the exit handlers, it
// would outlive Qt's own static objects (the input devices synthetic mouse
// events create) and crash on the way out.
class QtAufraeumen : public testing::Environment {
  public:
    void TearDown() override { QtAnwendungHalter().reset(); }
};

inline testing::Environment* const QtAufraeumenAngemeldet =
    testing::AddGlobalTestEnvironment(new QtAufraeumen);

} // namespace pelu::test
