#include "platform/qt/qt_script_backend.h"

#include "platform/qt/qt_toolkit.h"

#include <QApplication>

namespace kedravo::platform {
namespace {

class QtScriptBackend final : public ScriptBackend {
public:
    QtScriptBackend(int& argc, char** argv)
        : application_(QApplication::instance() ? nullptr : std::make_unique<QApplication>(argc, argv)) {}

    Toolkit& toolkit() override { return toolkit_; }
    UserInput& user() override { return toolkit_; }

    bool snapshot(int window, const std::string& pngPath) override {
        return toolkit_.picture(window).save(QString::fromStdString(pngPath), "PNG");
    }

private:
    std::unique_ptr<QApplication> application_; // before the toolkit: its widgets need it to the end
    qt::QtToolkit toolkit_;
};

} // namespace

std::unique_ptr<ScriptBackend> makeQtBackend(int& argc, char** argv) {
    return std::make_unique<QtScriptBackend>(argc, argv);
}

} // namespace kedravo::platform
