#pragma once
// Code points of UTF-8 text, for the rules that work character by character. Invalid sequences (overlong
// forms, surrogates, code points past U+10FFFF included) decode as U+FFFD one byte at a time, so no input is
// ever lost track of.
#include <string>
#include <string_view>

namespace kedravo {

std::u32string decodeUtf8(std::string_view utf8);
// The code point at `at` (below utf8.size()), moving `at` past it: for walking a text without a copy.
char32_t nextCodePoint(std::string_view utf8, std::size_t& at);
std::string encodeUtf8(std::u32string_view codePoints);
void appendUtf8(std::string& out, char32_t c);

} // namespace kedravo
