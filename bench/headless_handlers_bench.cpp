// The handlers at full load on the headless toolkit: the program's own work, with no widget behind it.
#include "handler_benchmarks.h"
#include "platform/headless/headless_toolkit.h"

namespace kedravo::bench {
namespace {

struct HeadlessBackend {
    platform::HeadlessToolkit kit;
    void settle() {}
};

const bool registered = (registerHandlerBenchmarks<HeadlessBackend>("headless"), true);

} // namespace
} // namespace kedravo::bench
