#include "platform/scripted/script_text.h"

namespace kedravo::platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

struct Escape {
    char code;
    char text;
};
constexpr Escape ESCAPES[] = {{'\\', '\\'}, {'"', '"'}, {'r', '\r'}, {'n', '\n'}, {'t', '\t'}};

// Reads a quoted word from the opening quote at `at`; returns the position after the closing quote, or sets
// `error`.
std::size_t readQuoted(std::string_view line, std::size_t at, std::string& text, std::string& error) {
    for (++at; at < line.size(); ++at) {
        if (line[at] == '"')
            return at + 1;
        if (line[at] != '\\') {
            text += line[at];
            continue;
        }
        if (++at == line.size())
            break;
        const Escape* escape = nullptr;
        for (const Escape& e : ESCAPES)
            if (e.code == line[at])
                escape = &e;
        if (escape == nullptr) {
            error = std::string("unknown escape \\") + line[at];
            return at;
        }
        text += escape->text;
    }
    error = "missing closing quote";
    return at;
}

} // namespace

Words splitWords(std::string_view line) {
    Words out;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        if (at == line.size())
            return out;
        Word word;
        if (line[at] == '"') {
            word.quoted = true;
            at = readQuoted(line, at, word.text, out.error);
            if (out.error.empty() && at < line.size() && !isBlank(line[at]))
                out.error = "a blank must follow a closing quote";
        } else {
            for (; at < line.size() && !isBlank(line[at]) && line[at] != '"'; ++at)
                word.text += line[at];
            if (at < line.size() && line[at] == '"')
                out.error = "a quote inside a word";
        }
        if (!out.error.empty())
            return {{}, out.error};
        out.words.push_back(std::move(word));
    }
}

std::string quoteText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const Escape* escape = nullptr;
        for (const Escape& e : ESCAPES)
            if (e.text == c)
                escape = &e;
        if (escape == nullptr) {
            out += c;
        } else {
            out += '\\';
            out += escape->code;
        }
    }
    return out + "\"";
}

} // namespace kedravo::platform
