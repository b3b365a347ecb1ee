#include "platform/win32/win32_script_backend.h"

#include "platform/win32/win32_toolkit.h"
#include "platform/win32/window_picture.h"

namespace kedravo::platform {
namespace {

class Win32ScriptBackend final : public ScriptBackend {
public:
    Toolkit& toolkit() override { return toolkit_; }
    UserInput& user() override { return toolkit_; }

    bool snapshot(int window, const std::string& pngPath) override {
        return win32::saveWindowPicture(toolkit_.windowHandle(window), pngPath);
    }

private:
    win32::Win32Toolkit toolkit_;
};

} // namespace

std::unique_ptr<ScriptBackend> makeWin32Backend() {
    return std::make_unique<Win32ScriptBackend>();
}

} // namespace kedravo::platform
