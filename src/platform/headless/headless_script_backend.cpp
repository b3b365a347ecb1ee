#include "platform/headless/headless_script_backend.h"

#include "platform/headless/headless_toolkit.h"

namespace kedravo::platform {
namespace {

class HeadlessScriptBackend final : public ScriptBackend {
public:
    Toolkit& toolkit() override { return toolkit_; }
    UserInput& user() override { return toolkit_; }
    bool snapshot(int, const std::string&) override { return false; }

private:
    HeadlessToolkit toolkit_;
};

} // namespace

std::unique_ptr<ScriptBackend> makeHeadlessBackend() {
    return std::make_unique<HeadlessScriptBackend>();
}

} // namespace kedravo::platform
