#include "script.h"

#include "core/utf8.h"
#include "platform/scripted/script_text.h"

#include <charconv>
#include <chrono>

namespace kedravo::script {
namespace {

using platform::Catalogue;
using platform::ControlKind;
using platform::Word;
using Words = std::vector<Word>;

struct Syntax {
    std::string_view name;
    Verb verb;
    std::string_view usage;
    std::size_t minWords, maxWords;
    // Fills the command from the words; returns what is wrong, or "".
    std::string (*read)(const Words&, const Catalogue&, Command&);
};

std::string quotedName(const Word& word) {
    return '"' + word.text + '"';
}

constexpr std::string_view MENU_SUFFIX = ".menu";

std::string readTarget(const Word& name, const Catalogue& catalogue, Target& target) {
    for (const platform::WindowDef& w : catalogue.windows) {
        if (name.text == w.name) {
            target = {true, w.id};
            return "";
        }
        if (name.text == w.name + std::string(MENU_SUFFIX)) {
            target = {true, w.id, true};
            return "";
        }
    }
    for (const platform::ControlDef& c : catalogue.controls)
        if (name.text == c.name) {
            target = {false, c.id};
            return "";
        }
    return "no window or control named " + quotedName(name);
}

std::string readControl(const Word& name, const Catalogue& catalogue, std::initializer_list<ControlKind> kinds,
                        std::string_view kindText, Target& target) {
    if (std::string error = readTarget(name, catalogue, target); !error.empty())
        return error;
    if (!target.isWindow)
        for (ControlKind kind : kinds)
            if (catalogue.controls[static_cast<std::size_t>(target.id)].kind == kind)
                return "";
    return name.text + " is not " + std::string(kindText);
}

std::string readNumber(const Word& word, int& number) {
    const char* end = word.text.data() + word.text.size();
    auto [stop, error] = std::from_chars(word.text.data(), end, number);
    if (word.text.empty() || word.text[0] == '-' || stop != end || error != std::errc())
        return "not an item number: " + quotedName(word);
    return "";
}

// Reads `digits` decimal digits at `at` of `text`, then the separator `after` (none when '\0').
bool readField(std::string_view text, std::size_t& at, std::size_t digits, char after, int& value) {
    if (at + digits > text.size())
        return false;
    auto [stop, error] = std::from_chars(text.data() + at, text.data() + at + digits, value);
    if (error != std::errc() || stop != text.data() + at + digits || value < 0)
        return false;
    at += digits;
    if (after == '\0')
        return at == text.size();
    return at < text.size() && text[at++] == after;
}

std::string readClock(const Words& words, const Catalogue&, Command& command) {
    platform::LocalTime& t = command.time;
    std::size_t d = 0, h = 0;
    const std::string_view date = words[1].text, time = words[2].text;
    const bool read = readField(date, d, 4, '/', t.year) && readField(date, d, 2, '/', t.month) &&
                      readField(date, d, 2, '\0', t.day) && readField(time, h, 2, ':', t.hour) &&
                      readField(time, h, 2, ':', t.minute) && readField(time, h, 2, '\0', t.second);
    const std::chrono::year_month_day day{std::chrono::year(t.year), std::chrono::month(static_cast<unsigned>(t.month)),
                                          std::chrono::day(static_cast<unsigned>(t.day))};
    if (!read || !day.ok() || t.hour > 23 || t.minute > 59 || t.second > 59)
        return "not a date and time YYYY/MM/DD HH:MM:SS: " + words[1].text + ' ' + words[2].text;
    return "";
}

std::string readAnswer(const Words& words, const Catalogue&, Command& command) {
    if (words[1].text == "input")
        command.verb = Verb::AnswerInput;
    else if (words[1].text == "save")
        command.verb = Verb::AnswerSave;
    else if (words[1].text == "open")
        command.verb = Verb::AnswerOpen;
    else
        return "answer input, answer save or answer open, not answer " + words[1].text;
    if (words[2].quoted || words[2].text != "cancel")
        command.text = words[2].text;
    return "";
}

std::string readNothing(const Words&, const Catalogue&, Command&) {
    return "";
}

std::string readClick(const Words& words, const Catalogue& catalogue, Command& command) {
    return readControl(words[1], catalogue, {ControlKind::PushButton, ControlKind::RadioButton, ControlKind::CheckBox},
                       "a push button, radio button or check box", command.target);
}

std::string readPick(const Words& words, const Catalogue& catalogue, Command& command) {
    std::string error = readControl(words[1], catalogue, {ControlKind::DropDown}, "a drop-down list", command.target);
    return error.empty() ? readNumber(words[2], command.position) : error;
}

std::string readRow(const Words& words, const Catalogue& catalogue, Command& command) {
    std::string error = readControl(words[1], catalogue, {ControlKind::ListBox}, "a list box", command.target);
    return error.empty() ? readNumber(words[2], command.position) : error;
}

std::string readType(const Words& words, const Catalogue& catalogue, Command& command) {
    command.text = words[2].text;
    return readControl(words[1], catalogue, {ControlKind::EditBox}, "an edit box", command.target);
}

std::string readShow(const Words& words, const Catalogue& catalogue, Command& command) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        Target target;
        if (std::string error = readTarget(words[i], catalogue, target); !error.empty())
            return error;
        command.shown.push_back(target);
    }
    return "";
}

std::string readWindow(const Word& name, const Catalogue& catalogue, Target& target) {
    if (std::string error = readTarget(name, catalogue, target); !error.empty())
        return error;
    return target.isWindow && !target.isMenu ? "" : name.text + " is not a window";
}

std::string readSnap(const Words& words, const Catalogue& catalogue, Command& command) {
    command.text = words[2].text;
    return readWindow(words[1], catalogue, command.target);
}

std::string readMenu(const Words& words, const Catalogue& catalogue, Command& command) {
    command.text = words[2].text;
    return readWindow(words[1], catalogue, command.target);
}

// "close" alone closes the main window, the catalogue's first.
std::string readClose(const Words& words, const Catalogue& catalogue, Command& command) {
    if (words.size() == 1) {
        command.target = {true, 0};
        return "";
    }
    return readWindow(words[1], catalogue, command.target);
}

// "ctrl+z", "ctrl+shift+z", "enter": modifiers, then one letter or a named key.
char namedKey(std::string_view name) {
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return static_cast<char>(name[0] - 'a' + 'A');
    if (name == "enter")
        return platform::KEY_ENTER;
    return name == "escape" ? platform::KEY_ESCAPE : '\0';
}

std::string readKey(const Words& words, const Catalogue& catalogue, Command& command) {
    if (std::string error = readWindow(words[1], catalogue, command.target); !error.empty())
        return error;
    platform::KeyChord& chord = command.chord;
    std::string_view rest = words[2].text;
    for (std::size_t plus; (plus = rest.find('+')) != std::string_view::npos; rest.remove_prefix(plus + 1)) {
        const std::string_view modifier = rest.substr(0, plus);
        bool& held = modifier == "ctrl" ? chord.control : modifier == "shift" ? chord.shift : chord.alt;
        if (modifier != "ctrl" && modifier != "shift" && modifier != "alt")
            return "not a modifier (ctrl, shift, alt): " + std::string(modifier);
        held = true;
    }
    chord.key = namedKey(rest);
    return chord.key != '\0' ? "" : "not a key chord such as ctrl+z or enter: " + quotedName(words[2]);
}

constexpr std::size_t ANY = 1000;

constexpr Syntax SYNTAX[] = {
    {"answer", Verb::AnswerInput, "answer input TEXT|cancel, answer save PATH|cancel, answer open PATH|cancel", 3, 3,
     readAnswer},
    {"clock", Verb::Clock, "clock YYYY/MM/DD HH:MM:SS", 3, 3, readClock},
    {"start", Verb::Start, "start", 1, 1, readNothing},
    {"click", Verb::Click, "click NAME", 2, 2, readClick},
    {"pick", Verb::Pick, "pick NAME K", 3, 3, readPick},
    {"row", Verb::Row, "row NAME K", 3, 3, readRow},
    {"type", Verb::Type, "type NAME TEXT", 3, 3, readType},
    {"close", Verb::Close, "close [WINDOW]", 1, 2, readClose},
    {"show", Verb::Show, "show NAME...", 2, ANY, readShow},
    {"snap", Verb::Snap, "snap WINDOW FILE", 3, 3, readSnap},
    {"key", Verb::Key, "key WINDOW CHORD", 3, 3, readKey},
    {"menu", Verb::Menu, "menu WINDOW ITEM", 3, 3, readMenu},
};

bool isUtf8(std::string_view line) {
    return encodeUtf8(decodeUtf8(line)) == line;
}

bool isBlankOrComment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

// Reads one line that is not blank or a comment; returns what is wrong with it, or "".
std::string readLine(std::string_view line, const Catalogue& catalogue, Command& command) {
    if (!isUtf8(line))
        return "not UTF-8 text";
    platform::Words split = platform::splitWords(line);
    if (!split.error.empty())
        return split.error;
    const Words& words = split.words;
    for (const Syntax& syntax : SYNTAX) {
        if (words[0].text != syntax.name)
            continue;
        if (words.size() < syntax.minWords || words.size() > syntax.maxWords)
            return "usage: " + std::string(syntax.usage);
        command.verb = syntax.verb;
        return syntax.read(words, catalogue, command);
    }
    return "unknown command " + quotedName(words[0]);
}

// Only answers and the clock may come before start-up, and start-up comes once.
std::string checkOrder(Verb verb, bool& started) {
    if (verb == Verb::Start) {
        if (started)
            return "start may come only once";
        started = true;
    } else if (!started && verb != Verb::AnswerInput && verb != Verb::AnswerSave && verb != Verb::AnswerOpen &&
               verb != Verb::Clock) {
        return "only answer and clock may come before start";
    }
    return "";
}

} // namespace

Script parseScript(std::string_view text, const Catalogue& catalogue) {
    Script script;
    bool started = false;
    int number = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end;
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (isBlankOrComment(line))
            continue;
        Command command;
        command.line = number;
        std::string error = readLine(line, catalogue, command);
        if (error.empty())
            error = checkOrder(command.verb, started);
        if (!error.empty()) {
            script.error = ScriptError{number, error};
            return script;
        }
        script.commands.push_back(std::move(command));
    }
    return script;
}

} // namespace kedravo::script
