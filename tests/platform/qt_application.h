#pragma once
// The one QApplication of a Qt test program, created on first use and left to the end of the process: destroying
// it among the static objects at exit would outlive parts of Qt it needs.
#include <QApplication>

namespace kedravo::platform::qt {

inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "kedravo-test";
    static char* argv[] = {name, nullptr};
    static auto* application = new QApplication(argc, argv);
    return *application;
}

} // namespace kedravo::platform::qt
