#include "options.h"

#include <string_view>

namespace kedravo::script {

ParsedOptions parseOptions(std::span<const char* const> arguments, bool withQt) {
    Options options;
    bool haveScript = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if ((argument == "--toolkit" || argument == "--shots") && i + 1 == arguments.size())
            return {std::nullopt, std::string(argument) + " needs a value"};
        if (argument == "--toolkit") {
            const std::string_view name = arguments[++i];
            if (name != "headless" && name != "qt")
                return {std::nullopt, "unknown toolkit " + std::string(name)};
            options.backend = name == "qt" ? Backend::Qt : Backend::Headless;
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
    if (options.backend == Backend::Qt && !withQt)
        return {std::nullopt, "this build has no Qt backend"};
    if (options.shots && options.backend != Backend::Qt)
        return {std::nullopt, "--shots needs --toolkit qt: the headless toolkit draws nothing"};
    return {options, ""};
}

} // namespace kedravo::script
