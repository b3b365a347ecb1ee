#include "options.h"

#include <string_view>

namespace kedravo::script {
namespace {

struct Toolkit {
    std::string_view name;
    Backend backend;
    const char* missing; // why a build may lack it; nullptr when every build has it
};

constexpr Toolkit TOOLKITS[] = {
    {"headless", Backend::Headless, nullptr},
    {"qt", Backend::Qt, "this build has no Qt backend"},
    {"win32", Backend::Win32, "this build has no Win32 backend"},
};

bool isBuilt(Backend backend, BuiltToolkits built) {
    return backend == Backend::Headless || (backend == Backend::Qt && built.qt) ||
           (backend == Backend::Win32 && built.win32);
}

} // namespace

ParsedOptions parseOptions(std::span<const char* const> arguments, BuiltToolkits built) {
    Options options;
    bool haveScript = false;
    const Toolkit* toolkit = &TOOLKITS[0];
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if ((argument == "--toolkit" || argument == "--shots") && i + 1 == arguments.size())
            return {std::nullopt, std::string(argument) + " needs a value"};
        if (argument == "--toolkit") {
            const std::string_view name = arguments[++i];
            toolkit = nullptr;
            for (const Toolkit& known : TOOLKITS)
                if (known.name == name)
                    toolkit = &known;
            if (toolkit == nullptr)
                return {std::nullopt, "unknown toolkit " + std::string(name)};
        } else if (argument == "--shots") {
            options.shots = arguments[++i];
        } else if (argument.starts_with("-") || haveScript) {
            return {std::nullopt, "unexpected argument " + std::string(argument)};
        } else {
            options.script = argument;
            haveScript = true;
        }
    }
    if (!haveScript)
        return {std::nullopt, "no script given"};
    if (!isBuilt(toolkit->backend, built))
        return {std::nullopt, toolkit->missing};
    options.backend = toolkit->backend;
    if (options.shots && options.backend == Backend::Headless)
        return {std::nullopt, "--shots needs --toolkit qt or win32: the headless toolkit draws nothing"};
    return {options, ""};
}

} // namespace kedravo::script
