#pragma once
// The windows' positions as the environment file reads and writes them.
#include "platform/toolkit.h"
#include "store/store_services.h"

namespace kedravo::ui {

class ToolkitWindowPositions final : public store::WindowPositions {
public:
    explicit ToolkitWindowPositions(platform::Toolkit& toolkit) : toolkit_(toolkit) {}
    platform::Position get(int window) override { return toolkit_.position(window); }
    void move(int window, platform::Position position) override { toolkit_.move(window, position); }

private:
    platform::Toolkit& toolkit_;
};

} // namespace kedravo::ui
