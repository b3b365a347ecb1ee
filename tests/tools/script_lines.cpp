#include "script_lines.h"

#include "platform/scripted/script_text.h"

#include <cstdio>

namespace kedravo::script::test {
namespace {

std::string nameOf(const Target& target, const platform::Catalogue& catalogue) {
    const auto at = static_cast<std::size_t>(target.id);
    if (target.isMenu)
        return catalogue.windows[at].name + std::string(".menu");
    return target.isWindow ? catalogue.windows[at].name : catalogue.controls[at].name;
}

std::string keyText(char key) {
    if (key == platform::KEY_ENTER)
        return "enter";
    return key == platform::KEY_ESCAPE ? "escape" : std::string(1, static_cast<char>(key - 'A' + 'a'));
}

std::string chordText(const platform::KeyChord& chord) {
    return std::string(chord.control ? "ctrl+" : "") + (chord.shift ? "shift+" : "") + (chord.alt ? "alt+" : "") +
           keyText(chord.key);
}

// `cancel` without quotes cancels; any text, "cancel" included, is quoted.
std::string answerText(const std::optional<std::string>& text) {
    return text ? platform::quoteText(*text) : "cancel";
}

std::string clockText(const platform::LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

} // namespace

std::string scriptLine(const Command& c, const platform::Catalogue& catalogue) {
    const std::string name = nameOf(c.target, catalogue);
    switch (c.verb) {
    case Verb::AnswerInput:
        return "answer input " + answerText(c.text);
    case Verb::AnswerSave:
        return "answer save " + answerText(c.text);
    case Verb::AnswerOpen:
        return "answer open " + answerText(c.text);
    case Verb::Clock:
        return "clock " + clockText(c.time);
    case Verb::Start:
        return "start";
    case Verb::Click:
        return "click " + name;
    case Verb::Pick:
        return "pick " + name + ' ' + std::to_string(c.position);
    case Verb::Row:
        return "row " + name + ' ' + std::to_string(c.position);
    case Verb::Type:
        return "type " + name + ' ' + platform::quoteText(c.text.value_or(""));
    case Verb::Close:
        return c.target.id == 0 ? "close" : "close " + name;
    case Verb::Show: {
        std::string line = "show";
        for (const Target& target : c.shown)
            line += ' ' + nameOf(target, catalogue);
        return line;
    }
    case Verb::Snap:
        return "snap " + name + ' ' + platform::quoteText(c.text.value_or(""));
    case Verb::Key:
        return "key " + name + ' ' + chordText(c.chord);
    case Verb::Menu:
        return "menu " + name + ' ' + platform::quoteText(c.text.value_or(""));
    }
    return "";
}

std::string scriptText(const std::vector<Command>& commands, const platform::Catalogue& catalogue) {
    std::string text;
    for (const Command& c : commands)
        text += scriptLine(c, catalogue) + '\n';
    return text;
}

} // namespace kedravo::script::test
