#pragma once
// The whole program over one set of platform services: start-up, the event handlers and shut-down. The desktop
// program and kedravo-script both run exactly this.
#include "core/tables.h"
#include "platform/toolkit.h"

#include <memory>

namespace kedravo::platform {
class Dialogs;
class Clock;
class FileSystem;
} // namespace kedravo::platform

namespace kedravo::ui {

struct Services {
    platform::Toolkit& toolkit;
    platform::Dialogs& dialogs;
    platform::Clock& clock;
    platform::FileSystem& files;
};

class Program : public platform::EventSink {
public:
    explicit Program(Services services);
    ~Program() override;

    // Start-up up to the point where the program waits for the first event.
    void startup();

    // Delivers a user's event to the handler bound to it by name; events without a handler are ignored.
    void raise(int control, platform::Event event) override;

    // True once MAINFORM_END has run: the process should end.
    bool ended() const;

    Tables& tables();

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace kedravo::ui
