// Start-up of the whole program from damaged files of the realistic data set: every truncation of each of the
// three files, and single-byte changes. The test run takes a sample of the offsets; `make soak` takes every one
// (KEDRAVO_DAMAGE_EVERY=1). Each start must warn at most once, naming the file, keep what it read and the damaged
// file itself, and end in files that the next start reads back exactly.
#include "random_tables.h"
#include "setup_folder.h"
#include "store/data_files.h"
#include "support/cases.h"
#include "test_services.h"
#include "whole_program.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace kedravo::reliability {
namespace {

using script::Verb;
using store::test::MemoryFileSystem;

const platform::LocalTime NOW{2024, 5, 6, 7, 8, 9};
const std::string KEPT = ".240506_070809"; // the stamp the preserved copy is named with
const std::string ENVIRONMENT = "KANKYO.TXT";
const std::string BASIC = "data/基本データ.TXT";
const std::string PRICE = "data/価格データ.TXT";

std::size_t every(std::size_t sample) {
    const char* value = std::getenv("KEDRAVO_DAMAGE_EVERY");
    return value != nullptr ? static_cast<std::size_t>(std::atoi(value)) : sample;
}

struct DamagedFile {
    std::string file;
    std::string bytes;
    std::string how;
};

// One start-up from the damaged files, a shut-down and a restart, with what each left.
struct Runs {
    MemoryFileSystem files;
    platform::FixedClock clock{store::test::TEST_NOW};
    WholeProgram program{files, clock};
    std::vector<Warning> atStart, atShutdown, atRestart;
    std::unique_ptr<Tables> started, saved;
};

std::unique_ptr<Runs> run(const SetupFiles& setup, const DamagedFile& damage) {
    auto runs = std::make_unique<Runs>();
    install(setup, runs->files);
    runs->files.seed(damage.file, damage.bytes);
    WholeProgram& program = runs->program;
    program.perform(clockCommand(NOW));
    program.perform(command(Verb::Start));
    runs->atStart = program.takeWarnings();
    runs->started = std::make_unique<Tables>(program.tables());
    program.perform(command(Verb::Close));
    runs->atShutdown = program.takeWarnings();
    runs->saved = std::make_unique<Tables>(program.tables());
    program.perform(command(Verb::Start));
    runs->atRestart = program.takeWarnings();
    return runs;
}

std::string fileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// At most one warning about the damaged file, naming it, with the damaged bytes kept beside it. A damaged
// environment file may also leave the data folder unknown, which is told as well.
std::string warnedAboutTheFile(const Runs& runs, const DamagedFile& damage, bool mustWarn) {
    int told = 0;
    for (const Warning& w : runs.atStart) {
        if (w.caption == "フォルダー警告" && damage.file == ENVIRONMENT)
            continue;
        if (w.caption != "データファイル警告" || w.text.find(fileName(damage.file)) == std::string::npos)
            return "an unexpected warning at start-up: " + w.caption + " " + w.text;
        ++told;
    }
    if (told > 1 || (mustWarn && told == 0))
        return std::to_string(told) + " warnings about the damaged file";
    if (told == 1 && runs.files.contents(damage.file + KEPT) != damage.bytes)
        return "the damaged file was not kept";
    return "";
}

// What the files held when the program ended is what the next start reads, and a data folder the program did
// not read is left as it was.
std::string nothingLost(Runs& runs, const SetupFiles& setup, const DamagedFile& damage) {
    for (const Warning& w : runs.atShutdown)
        if (w.caption != "保存警告" && !(w.caption == "フォルダー警告" && damage.file == ENVIRONMENT))
            return "an unexpected warning at shut-down: " + w.caption + " " + w.text;
    // The basic data file is written only when the page settings window closes, so until then a damaged one
    // is told about at every start.
    const bool stillDamaged = damage.file == BASIC && runs.files.contents(BASIC) == damage.bytes;
    for (const Warning& w : runs.atRestart)
        if (!stillDamaged || w.caption != "データファイル警告" || runs.atRestart.size() > 1)
            return "a warning at the restart: " + w.caption + " " + w.text;
    // A folder name that KANKYO.TXT cannot hold is told about and left out, to be asked for again.
    const bool folderLeftOut = std::any_of(runs.atShutdown.begin(), runs.atShutdown.end(), [](const Warning& w) {
        return w.caption == "保存警告" && w.text.find("KANKYO.TXT") != std::string::npos;
    });
    const std::string differs = store::test::firstDifference(*runs.saved, runs.program.tables());
    if (!differs.empty() && !(differs == "folders" && folderLeftOut))
        return "the restart did not read what was saved: " + differs;
    if (runs.started->DATA_DIR != "data/")
        for (const std::string& file : {BASIC, PRICE})
            if (runs.files.contents(file) != setup.files.at(file))
                return "a data folder that was not read was written: " + file;
    return "";
}

// Offsets at which the pages' records begin: each starts with its separator line of `stars` asterisks.
std::vector<std::size_t> pageStarts(const std::string& bytes, int stars) {
    const std::string separator = "\n" + std::string(static_cast<std::size_t>(stars), '*') + "\r";
    std::vector<std::size_t> starts;
    for (std::size_t at = bytes.find(separator); at != std::string::npos; at = bytes.find(separator, at + 1))
        starts.push_back(at + 1);
    starts.push_back(bytes.size());
    return starts;
}

bool samePriceData(const Tables& a, const Tables& b, int p) {
    if (a.PAGE_NAME[p] != b.PAGE_NAME[p] || a.CUR_PRICE[p] != b.CUR_PRICE[p] ||
        a.CUR_PRICE_TIME[p] != b.CUR_PRICE_TIME[p] || a.LINE_COUNT[p] != b.LINE_COUNT[p])
        return false;
    for (int j = 0; j < a.LINE_COUNT[p]; ++j)
        if (a.LINE_PRICE[p][j] != b.LINE_PRICE[p][j] || a.LINE_TF[p][j] != b.LINE_TF[p][j] ||
            a.LINE_CROSS[p][j] != b.LINE_CROSS[p][j])
            return false;
    return true;
}

bool sameBasicData(const Tables& a, const Tables& b, int p) {
    if (a.PAGE_SPREAD[p] != b.PAGE_SPREAD[p] || a.TF_COUNT[p] != b.TF_COUNT[p])
        return false;
    return std::equal(a.TF_NAME[p].begin(), a.TF_NAME[p].begin() + a.TF_COUNT[p], b.TF_NAME[p].begin());
}

// A page before the cut is read whole; a page after it keeps what a missing file gives.
std::string keptWhatWasRead(const Tables& read, const Tables& whole, const SetupFiles& setup,
                            const DamagedFile& damage) {
    const std::size_t cut = damage.bytes.size();
    if (damage.file == ENVIRONMENT) {
        const bool folderRead = cut >= setup.files.at(ENVIRONMENT).find("\"data/\"") + 7;
        if (read.DATA_DIR != (folderRead ? "data/" : ""))
            return "the data folder read is " + read.DATA_DIR;
        return folderRead && !store::test::firstDifference(read, whole).empty() ? "the data was not read" : "";
    }
    const bool price = damage.file == PRICE;
    const std::vector<std::size_t> starts = pageStarts(setup.files.at(damage.file), price ? 30 : 20);
    for (int p = 0; p < PAGE_MAX; ++p) {
        const auto same = price ? samePriceData : sameBasicData;
        const auto other = price ? sameBasicData : samePriceData;
        const bool unread = price ? read.LINE_COUNT[p] == 0 && read.CUR_PRICE[p].empty()
                                  : read.TF_COUNT[p] == 0 && read.PAGE_SPREAD[p] == "0.01";
        if (!other(read, whole, p))
            return "page " + std::to_string(p) + " of the other data file was not read whole";
        if (starts[static_cast<std::size_t>(p) + 1] <= cut && !same(read, whole, p))
            return "page " + std::to_string(p) + ", before the cut, was not read whole";
        if (starts[static_cast<std::size_t>(p)] >= cut && !unread)
            return "page " + std::to_string(p) + ", after the cut, holds data";
    }
    return "";
}

std::string problemWith(const SetupFiles& setup, const Tables& whole, const DamagedFile& damage, bool cut) {
    std::unique_ptr<Runs> runs = run(setup, damage);
    if (!runs->program.running())
        return "the restart did not run";
    std::string problem = warnedAboutTheFile(*runs, damage, cut);
    if (problem.empty() && cut)
        problem = keptWhatWasRead(*runs->started, whole, setup, damage);
    return problem.empty() ? nothingLost(*runs, setup, damage) : problem;
}

class DamagedStartup : public ::testing::Test {
protected:
    void SetUp() override {
        Runs intact;
        install(setup, intact.files);
        intact.program.perform(command(Verb::Start));
        ASSERT_TRUE(intact.program.takeWarnings().empty());
        whole = std::make_unique<Tables>(intact.program.tables());
    }
    SetupFiles setup = readSetup(realisticSetup());
    std::unique_ptr<Tables> whole;
};

TEST_F(DamagedStartup, EveryTruncationIsToldOnceAndWhatWasReadIsKept) {
    for (const std::string& file : {ENVIRONMENT, BASIC, PRICE}) {
        const std::string& bytes = setup.files.at(file);
        for (std::size_t cut = 0; cut < bytes.size(); cut += every(17))
            EXPECT_EQ(problemWith(setup, *whole, {file, bytes.substr(0, cut), ""}, true), "")
                << file << " cut to " << cut << " bytes";
        // The end of a file is where a cut is hardest to see.
        for (std::size_t cut = bytes.size() - 4; cut < bytes.size(); ++cut)
            EXPECT_EQ(problemWith(setup, *whole, {file, bytes.substr(0, cut), ""}, true), "")
                << file << " cut to " << cut << " bytes";
    }
}

TEST_F(DamagedStartup, ASingleChangedByteIsToldAtMostOnceAndLosesNothing) {
    for (const std::string& file : {ENVIRONMENT, BASIC, PRICE}) {
        const std::string& bytes = setup.files.at(file);
        for (std::size_t at = 0; at < bytes.size(); at += every(41))
            for (const char to : {static_cast<char>(bytes[at] + 1), '"', ',', '\n', '\0', '\xff', ' '}) {
                std::string changed = bytes;
                changed[at] = to;
                EXPECT_EQ(problemWith(setup, *whole, {file, changed, ""}, false), "")
                    << file << ": byte " << at << " changed to " << static_cast<int>(static_cast<unsigned char>(to));
            }
    }
}

// A time frame or a crossing count out of range, as a hand edit leaves it: the line is kept with the value
// mended, the one warning names its line, and every line and page after it is read and saved again.
TEST_F(DamagedStartup, ANumberOutOfRangeIsMendedAndNothingAfterItIsLost) {
    const struct {
        const char* record;
        const char* damaged;
        std::int16_t tf, cross; // as mended
    } cases[] = {
        {"155.7, 0 , 32765 ", "155.7, 0 , 40000 ", 0, 32765},
        {"155.6, 1 , 2 ", "155.6, 1 ,-7 ", 1, 0},
        {"155.6, 1 , 2 ", "155.6, 1 , 99999999999999999999999 ", 1, 32765},
        {"155.6, 1 , 2 ", "155.6, 21 , 2 ", 0, 2},
        {"155.6, 1 , 2 ", "155.6,-1 , 2 ", 0, 2},
    };
    kedravo::test::eachCase(
        cases, [](const auto& c) { return c.damaged; },
        [&](const auto& c) {
            std::string bytes = setup.files.at(PRICE);
            const std::size_t at = bytes.find(c.record);
            ASSERT_NE(at, std::string::npos) << c.record;
            bytes.replace(at, std::strlen(c.record), c.damaged);
            const DamagedFile damage{PRICE, bytes, c.damaged};
            std::unique_ptr<Runs> runs = run(setup, damage);
            EXPECT_EQ(warnedAboutTheFile(*runs, damage, true), "");
            ASSERT_EQ(runs->atStart.size(), 1u);
            const int line = 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + at, '\n'));
            const std::string& text = runs->atStart[0].text;
            EXPECT_NE(text.find("価格データ.TXTの" + std::to_string(line) + "行目"), std::string::npos) << text;
            auto expected = std::make_unique<Tables>(*whole);
            const std::string price = std::string(c.record).substr(0, std::string(c.record).find(','));
            const auto j = std::find(expected->LINE_PRICE[0].begin(), expected->LINE_PRICE[0].end(), price) -
                           expected->LINE_PRICE[0].begin();
            expected->LINE_TF[0][j] = c.tf;
            expected->LINE_CROSS[0][j] = c.cross;
            EXPECT_EQ(store::test::firstDifference(*expected, *runs->started), "");
            EXPECT_EQ(nothingLost(*runs, setup, damage), "");
        });
}

} // namespace
} // namespace kedravo::reliability
