#pragma once
// How texts are written in scripts and transcripts: a word in double quotes may hold blanks and the escapes
// \\ \" \r \n \t; a word without quotes runs to the next blank and takes its backslashes literally.
#include <string>
#include <string_view>
#include <vector>

namespace kedravo::platform {

struct Word {
    std::string text;
    bool quoted = false; // `cancel` and `"cancel"` differ
    bool operator==(const Word&) const = default;
};

struct Words {
    std::vector<Word> words;
    std::string error; // empty when the line could be split; otherwise there are no words
};

// Splits one line into words separated by blanks (spaces and tabs).
Words splitWords(std::string_view line);

// The text in double quotes, with the escapes above.
std::string quoteText(std::string_view text);

} // namespace kedravo::platform
