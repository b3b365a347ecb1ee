// The handlers at full load on the Qt toolkit (offscreen), widgets included: after each handler the pending
// layout and paint events are processed, so the time is what the trader waits for.
#include "handler_benchmarks.h"
#include "platform/qt/qt_toolkit.h"

#include <QApplication>

namespace kedravo::bench {
namespace {

// Made on first use and kept to the end of the process, like the program's own.
QApplication& application() {
    static int argc = 1;
    static char name[] = "kedravo-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(argc, argv);
    return *app;
}

struct WithApplication {
    WithApplication() { application(); }
};

struct QtBackend : WithApplication {
    platform::qt::QtToolkit kit;
    // NOLINTNEXTLINE(readability-convert-member-functions-to-static): the shape every backend has
    void settle() { QCoreApplication::processEvents(); }
};

const bool registered = (registerHandlerBenchmarks<QtBackend>("qt"), true);

} // namespace
} // namespace kedravo::bench
