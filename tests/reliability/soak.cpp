#include "soak.h"

#include "core/cp932.h"
#include "invariants.h"
#include "memory_file_system.h"
#include "random_tables.h"
#include "random_user.h"
#include "script_lines.h"
#include "setup_folder.h"
#include "store/data_files.h"
#include "store/price_data_file.h"
#include "store/stamp.h"
#include "test_services.h"
#include "ui/catalogue.h"
#include "ui/controls.h"
#include "whole_program.h"

#include <memory>
#include <set>

namespace kedravo::reliability {
namespace {

using script::Command;
using script::Verb;

// The warnings a user's action may rightly cause: a refused price or spread, a page being closed.
// Told of the user's own input, or of page settings not undone or redone while another window is open.
const std::set<std::string> ANSWERS_TO_INPUT = {"入力エラーメッセージ", "数値入力のエラー", "設定に関するお知らせ",
                                                "元に戻す", "やり直す"};

const platform::LocalTime FIRST_START{2024, 5, 6, 7, 8, 9};

std::string describe(const std::vector<Warning>& warnings) {
    std::string text;
    for (const Warning& w : warnings)
        text += " [" + w.caption + ": " + w.text + "]";
    return text;
}

// The whole program over a copy of the setup files, checked after every command.
class CheckedProgram {
public:
    explicit CheckedProgram(const std::filesystem::path& setup) { copySetup(setup, files_); }

    struct Outcome {
        bool performed = false;
        std::string broken; // the check that failed, or ""
    };
    Outcome perform(const Command& c) {
        if (program_.perform(c))
            return {};
        if (c.verb == Verb::Close && !program_.running())
            return {true, afterShutdown()};
        if (c.verb == Verb::Start)
            return {true, afterStartup()};
        return {true, afterAction()};
    }

    WholeProgram& program() { return program_; }

private:
    // What the program held when it ended is what the next start must read.
    std::string afterShutdown() {
        saved_ = std::make_unique<Tables>(program_.tables());
        if (auto warnings = program_.takeWarnings(); !warnings.empty())
            return "a warning at shut-down:" + describe(warnings);
        const Tables& t = *saved_;
        const std::string backup = t.BACKUP_DIR + store::stampNow(program_.clock()) + store::PRICE_FILE;
        if (t.BACKUP_ON == 1 && files_.contents(backup) != files_.contents(t.DATA_DIR + store::PRICE_FILE))
            return "the backup copy differs from the price data file";
        return "";
    }

    std::string afterStartup() {
        if (!program_.running())
            return "start-up gave way to another copy";
        if (auto warnings = program_.takeWarnings(); !warnings.empty())
            return "a warning at start-up:" + describe(warnings);
        if (saved_) {
            std::string differs = store::test::firstDifference(*saved_, program_.tables());
            saved_.reset();
            if (!differs.empty())
                return "after a restart the files did not hold what was in memory: " + differs;
        }
        return brokenInvariant(program_.tables(), program_.toolkit());
    }

    std::string afterAction() {
        for (const Warning& w : program_.takeWarnings())
            if (!ANSWERS_TO_INPUT.contains(w.caption))
                return "an unexpected warning:" + describe({w});
        // Answers and the clock set between a close and the next start: no program to check.
        if (!program_.running())
            return "";
        if (std::string unsaved = unsavedChange(); !unsaved.empty())
            return unsaved;
        return brokenInvariant(program_.tables(), program_.toolkit());
    }

    // Every change is on disk as its handler ends. Page settings registered in their window are held there until
    // it closes, and the exit cannot come before that.
    std::string unsavedChange() {
        const Tables& t = program_.tables();
        if (program_.toolkit().isVisible(ui::FORM4) || t.DATA_DIR.empty())
            return "";
        if (files_.contents(t.DATA_DIR + store::PRICE_FILE) != utf8ToCp932(store::priceDataImage(t)).text)
            return "the price data file does not hold what the tables hold";
        return "";
    }

    store::test::MemoryFileSystem files_;
    platform::FixedClock baseClock_{store::test::TEST_NOW};
    WholeProgram program_{files_, baseClock_};
    std::unique_ptr<Tables> saved_;
};

// Failures of one kind read alike up to their first number or parenthesis.
std::string kindOf(const std::string& what) {
    return what.substr(0, what.find_first_of("0123456789("));
}

} // namespace

std::optional<SoakFailure> replay(const std::vector<Command>& commands, const std::filesystem::path& setup,
                                  std::vector<Command>* performed) {
    CheckedProgram program(setup);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const CheckedProgram::Outcome outcome = program.perform(commands[i]);
        if (outcome.performed && performed != nullptr)
            performed->push_back(commands[i]);
        if (!outcome.broken.empty())
            return SoakFailure{i, outcome.broken};
    }
    return std::nullopt;
}

std::optional<SoakFailure> randomRun(unsigned seed, int steps, const std::filesystem::path& setup,
                                     std::vector<Command>& commands) {
    std::mt19937 random(seed);
    CheckedProgram program(setup);
    std::vector<Command> next = {clockCommand(FIRST_START), command(Verb::Start)};
    for (int step = 0; step <= steps; ++step) {
        for (const Command& c : next) {
            const CheckedProgram::Outcome outcome = program.perform(c);
            if (outcome.performed)
                commands.push_back(c);
            if (!outcome.broken.empty())
                return SoakFailure{commands.size() - 1, outcome.broken};
        }
        next = nextActions(random, program.program().toolkit(), program.program().tables());
    }
    return std::nullopt;
}

std::vector<Command> shortened(std::vector<Command> commands, const SoakFailure& failure,
                               const std::filesystem::path& setup, std::chrono::seconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    const auto inTime = [&] { return std::chrono::steady_clock::now() < deadline; };
    for (std::size_t chunk = commands.size() / 2; chunk >= 1 && inTime(); chunk /= 2) {
        for (std::size_t at = 0; at < commands.size() && inTime();) {
            std::vector<Command> candidate(commands.begin(), commands.begin() + static_cast<std::ptrdiff_t>(at));
            candidate.insert(candidate.end(),
                             commands.begin() + static_cast<std::ptrdiff_t>(std::min(at + chunk, commands.size())),
                             commands.end());
            std::vector<Command> performed;
            const auto again = replay(candidate, setup, &performed);
            if (again && kindOf(again->what) == kindOf(failure.what))
                commands = std::move(performed);
            else
                at += chunk;
        }
    }
    return commands;
}

std::string scriptsOf(const std::vector<Command>& commands) {
    const platform::Catalogue& catalogue = ui::catalogue();
    std::string text = "# run 1\n";
    std::optional<Command> lastClock;
    int run = 1;
    for (const Command& c : commands) {
        text += script::test::scriptLine(c, catalogue) + '\n';
        if (c.verb == Verb::Clock)
            lastClock = c;
        if (c.verb != Verb::Close)
            continue;
        text += "# run " + std::to_string(++run) + ", in the same folder\n";
        if (lastClock)
            text += script::test::scriptLine(*lastClock, catalogue) + '\n';
    }
    return text;
}

} // namespace kedravo::reliability
