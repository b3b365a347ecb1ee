#pragma once
// The command line: kedravo-script [--toolkit headless|qt|win32] [--shots DIR] SCRIPT
#include <optional>
#include <span>
#include <string>

namespace kedravo::script {

inline constexpr char USAGE[] = "usage: kedravo-script [--toolkit headless|qt|win32] [--shots DIR] SCRIPT";

enum class Backend { Headless, Qt, Win32 };

// The toolkits a build has besides the headless one, which every build has.
struct BuiltToolkits {
    bool qt = false;
    bool win32 = false;
};

struct Options {
    Backend backend = Backend::Headless;
    std::optional<std::string> shots;
    std::string script;
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error; // when there are no options
};

// `arguments` without the program name.
ParsedOptions parseOptions(std::span<const char* const> arguments, BuiltToolkits built);

} // namespace kedravo::script
