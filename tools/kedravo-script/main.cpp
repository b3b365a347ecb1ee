// kedravo-script: runs the whole program, start-up, handlers and shut-down, from a script, on the headless, the
// Qt or the Win32 backend. Exit 0 when the script ran to its end, 1 on a script error, 2 on a usage error.
#include "options.h"
#include "platform/headless/headless_script_backend.h"
#include "platform/local_file_system.h"
#include "platform/scripted/fixed_clock.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/system_clock.h"
#include "script_runner.h"
#include "ui/catalogue.h"
#include "ui/program.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#ifdef KEDRAVO_WITH_QT
#include "platform/qt/qt_script_backend.h"
#endif
#ifdef KEDRAVO_WITH_WIN32
#include "platform/win32/win32_script_backend.h"
#endif

namespace {

using namespace kedravo;

#ifdef KEDRAVO_WITH_QT
constexpr bool WITH_QT = true;
#else
constexpr bool WITH_QT = false;
#endif
#ifdef KEDRAVO_WITH_WIN32
constexpr bool WITH_WIN32 = true;
#else
constexpr bool WITH_WIN32 = false;
#endif

constexpr int SCRIPT_ERROR = 1;
constexpr int USAGE_ERROR = 2;

int usageError(const std::string& message) {
    std::cerr << "kedravo-script: " << message << '\n' << script::USAGE << '\n';
    return USAGE_ERROR;
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return file ? std::optional(text.str()) : std::nullopt;
}

int scriptError(const std::string& path, const script::ScriptError& error) {
    std::cout.flush();
    std::cerr << path << ':' << error.line << ": " << error.message << '\n';
    return SCRIPT_ERROR;
}

std::unique_ptr<platform::ScriptBackend> makeBackend([[maybe_unused]] script::Backend backend,
                                                     [[maybe_unused]] int& argc, [[maybe_unused]] char** argv) {
#ifdef KEDRAVO_WITH_QT
    if (backend == script::Backend::Qt)
        return platform::makeQtBackend(argc, argv);
#endif
#ifdef KEDRAVO_WITH_WIN32
    if (backend == script::Backend::Win32)
        return platform::makeWin32Backend();
#endif
    return platform::makeHeadlessBackend();
}

} // namespace

int main(int argc, char** argv) {
    const std::span<const char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
    const script::ParsedOptions parsed = script::parseOptions(arguments, {WITH_QT, WITH_WIN32});
    if (!parsed.options)
        return usageError(parsed.error);
    const script::Options& options = *parsed.options;

    const std::optional<std::string> text = readFile(options.script);
    if (!text)
        return usageError("cannot read " + options.script);
    std::error_code error;
    if (options.shots && !std::filesystem::is_directory(*options.shots) &&
        !std::filesystem::create_directories(*options.shots, error))
        return usageError("cannot make the folder " + *options.shots + ": " + error.message());

    const platform::Catalogue& catalogue = ui::catalogue();
    const script::Script script = script::parseScript(*text, catalogue);
    if (script.error)
        return scriptError(options.script, *script.error);

    std::unique_ptr<platform::ScriptBackend> backend = makeBackend(options.backend, argc, argv);
    platform::ScriptedDialogs dialogs(std::cout);
    platform::SystemClock systemClock;
    platform::FixedClock clock(systemClock);
    const std::unique_ptr<platform::FileSystem> files = platform::makeLocalFileSystem();
    ui::Program program({backend->toolkit(), dialogs, clock, *files});
    script::ScriptRun run{catalogue, *backend, dialogs, clock, [&] { program.startup(); }, std::cout, options.shots};
    // A script that ends without close leaves the program as if it had been killed: no shut-down, nothing saved.
    const std::optional<script::ScriptError> failed = script::runScript(script.commands, run);
    return failed ? scriptError(options.script, *failed) : 0;
}
