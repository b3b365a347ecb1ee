#include "ui/program.h"

#include "ui/catalogue.h"
#include "ui/context.h"
#include "ui/event_bindings.h"
#include "ui/startup.h"

namespace kedravo::ui {

struct Program::State {
    explicit State(const Services& s)
        : context{tables,  s.toolkit, s.dialogs, s.clock, s.files, {s.files, s.clock, s.dialogs},
                  nullptr, false,     {},        {},      {}} {}

    Tables tables;
    Context context;
};

Program::Program(Services services) : state_(std::make_unique<State>(services)) {}

Program::~Program() = default;

void Program::startup() {
    ui::startup(state_->context, *this);
}

void Program::raise(int control, platform::Event event) {
    Context& c = state_->context;
    if (c.ended)
        return;
    const Handler handler = handlerFor(control, event);
    if (handler == nullptr)
        return;
    const int window = platform::isWindowEvent(event) ? control : catalogue().controls[control].window;
    handler(c, window);
}

bool Program::ended() const {
    return state_->context.ended;
}

Tables& Program::tables() {
    return state_->tables;
}

} // namespace kedravo::ui
