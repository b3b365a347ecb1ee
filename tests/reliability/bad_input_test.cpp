// Bad input at every edit box, typed as a user types it through the headless backend: text over the byte
// limit, characters code page 932 cannot hold, double quotes, control characters, the files' separators and a
// very long pasted text. Each is registered through its window and the program restarted: the boxes refuse or
// cut it by their rules, and nothing is stored that the files cannot give back (the checks of the soak, after
// every command).
#include "setup_folder.h"
#include "soak.h"
#include "test_services.h"
#include "ui/catalogue.h"
#include "ui/controls.h"
#include "whole_program.h"

#include <gtest/gtest.h>

namespace kedravo::reliability {
namespace {

using script::Command;
using script::Verb;
using namespace ui;

Command click(int control) {
    return command(Verb::Click, control);
}

// How a text typed into `box` gets registered: the window opened, the box typed into, the register button, the
// window closed.
std::vector<Command> registerThrough(int box, const std::string& text) {
    const Command type = command(Verb::Type, box, 0, text);
    switch (box) {
    case EDIT3:
    case EDIT4:
        return {click(BUTTON2), type, click(BUTTON3), click(BUTTON4)};
    case EDIT5:
        return {click(BUTTON1), type, click(BUTTON6), click(BUTTON7)};
    case EDIT9:
        return {click(BUTTON17), command(Verb::Row, LIST3, 0), type, click(BUTTON15), click(BUTTON16)};
    default:
        return {click(BUTTON10), type, click(BUTTON8), click(BUTTON9)};
    }
}

std::string repeated(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

struct BadInput {
    const char* name;
    std::string (*text)(int limit);
};

const BadInput BAD_INPUTS[] = {
    {"over the limit, half-width", [](int limit) { return std::string(static_cast<std::size_t>(limit) + 10, '7'); }},
    {"over the limit, full-width", [](int limit) { return repeated("７", static_cast<std::size_t>(limit) / 2 + 5); }},
    {"a full-width character across the limit",
     [](int limit) { return std::string(static_cast<std::size_t>(limit - 1), '1') + "あ"; }},
    {"characters code page 932 cannot hold", [](int) { return std::string("1😀2€3\u00a5한é.5"); }},
    {"double quotes", [](int) { return std::string(R"("1"2".5")"); }},
    {"control characters", [](int) { return std::string("1\t2\x01\x1b\x7f\r\n3\n.5\r6"); }},
    {"the files' separators", [](int) { return std::string(",1:2,.5:"); }},
    {"a very long pasted text", [](int) { return repeated("日足\",:😀\t1\r\n２．５ａ ", 3000); }},
};

TEST(BadInput, EveryBoxRefusesOrCutsItAndTheFilesGiveBackWhatWasStored) {
    const std::filesystem::path setup = realisticSetup();
    for (const int box : {EDIT3, EDIT4, EDIT5, EDIT6, EDIT7, EDIT8, EDIT9})
        for (const BadInput& bad : BAD_INPUTS) {
            const platform::ControlDef& def = catalogue().controls[static_cast<std::size_t>(box)];
            std::vector<Command> commands = {clockCommand({2024, 5, 6, 7, 8, 9}), command(Verb::Start)};
            for (const Command& c : registerThrough(box, bad.text(def.maxBytes)))
                commands.push_back(c);
            commands.push_back(command(Verb::Close));
            commands.push_back(command(Verb::Start));
            std::vector<Command> performed;
            const std::optional<SoakFailure> failure = replay(commands, setup, &performed);
            EXPECT_FALSE(failure) << def.name << ", " << bad.name << ": " << failure->what;
            EXPECT_EQ(performed.size(), commands.size()) << def.name << ", " << bad.name;
        }
}

// What the page settings window keeps of a name: the box cuts it at 20 bytes and drops what no file can hold.
TEST(BadInput, APageNameIsStoredAsTheBoxKeptIt) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"ドル円ドル円ドル円ドル円", "ドル円ドル円ドル円ド"},
        {"1234567890123456789あ", "1234567890123456789"},
        {"金\"先物\"", "金先物"},
        {"😀ドル\t円\x01", "ドル円"},
        {" a,b:c ", " a,b:c "},
    };
    for (const auto& c : cases) {
        store::test::MemoryFileSystem files;
        copySetup(realisticSetup(), files);
        platform::FixedClock clock{store::test::TEST_NOW};
        WholeProgram program(files, clock);
        for (const Command& step : {command(Verb::Start), click(BUTTON10), command(Verb::Type, EDIT6, 0, c.typed),
                                    click(BUTTON8), click(BUTTON9), command(Verb::Close), command(Verb::Start)})
            program.perform(step);
        EXPECT_EQ(program.tables().PAGE_NAME[0], c.stored) << c.typed;
    }
}

} // namespace
} // namespace kedravo::reliability
