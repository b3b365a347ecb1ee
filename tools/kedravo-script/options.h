#pragma once
// The command line: kedravo-script [--toolkit headless|qt] [--shots DIR] SCRIPT
#include <optional>
#include <span>
#include <string>

namespace kedravo::script {

inline constexpr char USAGE[] = "usage: kedravo-script [--toolkit headless|qt] [--shots DIR] SCRIPT";

enum class Backend { Headless, Qt };

struct Options {
    Backend backend = Backend::Headless;
    std::optional<std::string> shots;
    std::string script;
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error; // when there are no options
};

// `arguments` without the program name; `withQt` says whether this build has the Qt backend.
ParsedOptions parseOptions(std::span<const char* const> arguments, bool withQt);

} // namespace kedravo::script
