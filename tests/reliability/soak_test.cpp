// Random use of the whole program. CTest runs a few hundred actions with a fixed seed; `make soak` runs many
// thousands with several seeds (KEDRAVO_SOAK_STEPS, KEDRAVO_SOAK_FULL_STEPS, KEDRAVO_SOAK_SEEDS, KEDRAVO_SOAK_SEED).
// A failure prints its seed and the shortest script found that repeats it.
#include "setup_folder.h"
#include "soak.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace kedravo::reliability {
namespace {

int fromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

// What a crash leaves behind: the seed and every command up to it, since no shortening can run after one.
unsigned crashedSeed = 0;
const std::vector<script::Command>* crashedCommands = nullptr;

void tellCrash() {
    if (crashedCommands == nullptr)
        return;
    std::ostringstream text;
    text << "\nthe soak crashed with seed " << crashedSeed << " after these commands:\n" << scriptsOf(*crashedCommands);
    const std::string bytes = text.str();
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, bytes.data(), bytes.size());
}

void onAbort(int) {
    tellCrash();
    std::_Exit(EXIT_FAILURE);
}

void soak(unsigned seed, int steps, const std::filesystem::path& setup) {
    std::vector<script::Command> commands;
    crashedSeed = seed;
    crashedCommands = &commands;
    const std::optional<SoakFailure> failure = randomRun(seed, steps, setup, commands);
    crashedCommands = nullptr;
    const auto restarts = std::count_if(commands.begin(), commands.end(),
                                        [](const script::Command& c) { return c.verb == script::Verb::Close; });
    std::cout << "  " << commands.size() << " commands performed, " << restarts << " restarts" << std::endl;
    if (!failure)
        return;
    const auto budget = std::chrono::seconds(fromEnvironment("KEDRAVO_SOAK_SHORTEN_SECONDS", 60));
    const std::vector<script::Command> shortest = shortened(commands, *failure, setup, budget);
    ADD_FAILURE() << "seed " << seed << ", command " << failure->command << ": " << failure->what
                  << "\nthe shortest script found (setup " << setup.string() << "):\n"
                  << scriptsOf(shortest);
}

void soakOver(const std::filesystem::path& setup, const char* stepsVariable, int defaultSteps) {
    std::signal(SIGABRT, onAbort);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(tellCrash);
#endif
    const int steps = fromEnvironment(stepsVariable, defaultSteps);
    const int seeds = fromEnvironment("KEDRAVO_SOAK_SEEDS", 1);
    const auto first = static_cast<unsigned>(fromEnvironment("KEDRAVO_SOAK_SEED", 20240506));
    for (unsigned seed = first; seed < first + static_cast<unsigned>(seeds); ++seed) {
        std::cout << "soak over " << setup.filename().string() << ": seed " << seed << ", " << steps << " actions"
                  << std::endl;
        soak(seed, steps, setup);
    }
}

TEST(Soak, RandomUseOfTheRealisticDataSet) {
    soakOver(realisticSetup(), "KEDRAVO_SOAK_STEPS", 300);
}

// Pages of 300 and 299 lines: the limit of registrations is met and met again.
TEST(Soak, RandomUseOfFullPages) {
    soakOver(realisticSetup().parent_path() / "full_pages", "KEDRAVO_SOAK_FULL_STEPS", 100);
}

} // namespace
} // namespace kedravo::reliability
