#pragma once
// Random use of the whole program, checked after every action: the tables' and windows' invariants, no
// warning the action could not have caused, and after every restart the files holding exactly what was in
// memory. A failure is reported with the commands that lead to it, shortened as far as a time budget allows.
#include "script.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kedravo::reliability {

struct SoakFailure {
    std::size_t command = 0; // index of the command after which the check failed
    std::string what;
};

// Runs the commands over a copy of the files of `setup`; the first check that fails, if one does. Commands the
// program could not perform are skipped; `performed` receives the others.
std::optional<SoakFailure> replay(const std::vector<script::Command>& commands, const std::filesystem::path& setup,
                                  std::vector<script::Command>* performed = nullptr);

// `steps` random actions from the files of `setup`; the first failure, if any. `commands` receives the commands
// performed, up to the failure, as they are performed.
std::optional<SoakFailure> randomRun(unsigned seed, int steps, const std::filesystem::path& setup,
                                     std::vector<script::Command>& commands);

// A shorter list of commands that still fails the same way; the shortest found within `budget`.
std::vector<script::Command> shortened(std::vector<script::Command> commands, const SoakFailure& failure,
                                       const std::filesystem::path& setup, std::chrono::seconds budget);

// The commands as kedravo-script scripts, one for each run of the program, to be run one after the other in a
// copy of `setup`.
std::string scriptsOf(const std::vector<script::Command>& commands);

} // namespace kedravo::reliability
