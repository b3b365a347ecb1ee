#include "core/half_width.h"

#include <algorithm>
#include <optional>

namespace kedravo {
namespace {

struct HalfForm {
    char32_t full;
    const char* half;
};

// Kana that have a single-byte form, in code-point order. ヮ, ヰ, ヱ, ヵ and ヶ have none and are absent.
constexpr HalfForm KANA[] = {
    {U'、', "､"},  {U'。', "｡"},  {U'「', "｢"},  {U'」', "｣"},  {U'゛', "ﾞ"},  {U'゜', "ﾟ"},  {U'ァ', "ｧ"},
    {U'ア', "ｱ"},  {U'ィ', "ｨ"},  {U'イ', "ｲ"},  {U'ゥ', "ｩ"},  {U'ウ', "ｳ"},  {U'ェ', "ｪ"},  {U'エ', "ｴ"},
    {U'ォ', "ｫ"},  {U'オ', "ｵ"},  {U'カ', "ｶ"},  {U'ガ', "ｶﾞ"}, {U'キ', "ｷ"},  {U'ギ', "ｷﾞ"}, {U'ク', "ｸ"},
    {U'グ', "ｸﾞ"}, {U'ケ', "ｹ"},  {U'ゲ', "ｹﾞ"}, {U'コ', "ｺ"},  {U'ゴ', "ｺﾞ"}, {U'サ', "ｻ"},  {U'ザ', "ｻﾞ"},
    {U'シ', "ｼ"},  {U'ジ', "ｼﾞ"}, {U'ス', "ｽ"},  {U'ズ', "ｽﾞ"}, {U'セ', "ｾ"},  {U'ゼ', "ｾﾞ"}, {U'ソ', "ｿ"},
    {U'ゾ', "ｿﾞ"}, {U'タ', "ﾀ"},  {U'ダ', "ﾀﾞ"}, {U'チ', "ﾁ"},  {U'ヂ', "ﾁﾞ"}, {U'ッ', "ｯ"},  {U'ツ', "ﾂ"},
    {U'ヅ', "ﾂﾞ"}, {U'テ', "ﾃ"},  {U'デ', "ﾃﾞ"}, {U'ト', "ﾄ"},  {U'ド', "ﾄﾞ"}, {U'ナ', "ﾅ"},  {U'ニ', "ﾆ"},
    {U'ヌ', "ﾇ"},  {U'ネ', "ﾈ"},  {U'ノ', "ﾉ"},  {U'ハ', "ﾊ"},  {U'バ', "ﾊﾞ"}, {U'パ', "ﾊﾟ"}, {U'ヒ', "ﾋ"},
    {U'ビ', "ﾋﾞ"}, {U'ピ', "ﾋﾟ"}, {U'フ', "ﾌ"},  {U'ブ', "ﾌﾞ"}, {U'プ', "ﾌﾟ"}, {U'ヘ', "ﾍ"},  {U'ベ', "ﾍﾞ"},
    {U'ペ', "ﾍﾟ"}, {U'ホ', "ﾎ"},  {U'ボ', "ﾎﾞ"}, {U'ポ', "ﾎﾟ"}, {U'マ', "ﾏ"},  {U'ミ', "ﾐ"},  {U'ム', "ﾑ"},
    {U'メ', "ﾒ"},  {U'モ', "ﾓ"},  {U'ャ', "ｬ"},  {U'ヤ', "ﾔ"},  {U'ュ', "ｭ"},  {U'ユ', "ﾕ"},  {U'ョ', "ｮ"},
    {U'ヨ', "ﾖ"},  {U'ラ', "ﾗ"},  {U'リ', "ﾘ"},  {U'ル', "ﾙ"},  {U'レ', "ﾚ"},  {U'ロ', "ﾛ"},  {U'ワ', "ﾜ"},
    {U'ヲ', "ｦ"},  {U'ン', "ﾝ"},  {U'ヴ', "ｳﾞ"}, {U'・', "･"},  {U'ー', "ｰ"},
};
constexpr bool byCodePoint(const HalfForm& a, const HalfForm& b) {
    return a.full < b.full;
}
static_assert(std::is_sorted(std::begin(KANA), std::end(KANA), byCodePoint));

// Everything converted here is a three-byte sequence in UTF-8; other bytes are copied as they are, so even
// invalid input comes out unchanged.
std::optional<char32_t> threeByteCodePoint(std::string_view s, std::size_t i) {
    if (i + 2 >= s.size())
        return std::nullopt;
    auto lead = static_cast<unsigned char>(s[i]);
    auto b1 = static_cast<unsigned char>(s[i + 1]);
    auto b2 = static_cast<unsigned char>(s[i + 2]);
    if ((lead & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80)
        return std::nullopt;
    return static_cast<char32_t>(((lead & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F));
}

std::optional<std::string> halfForm(char32_t c) {
    if (c == U'　')
        return " ";
    // The backslash position of the table holds "￥", so the full-width reverse solidus is not part of it.
    if (c >= U'！' && c <= U'｝' && c != U'＼')
        return std::string(1, static_cast<char>(c - (U'！' - U'!')));
    if (c == U'￥')
        return "\\";
    if (c == U'￣')
        return "~";
    const HalfForm* found = std::lower_bound(std::begin(KANA), std::end(KANA), HalfForm{c, nullptr}, byCodePoint);
    if (found != std::end(KANA) && found->full == c)
        return found->half;
    return std::nullopt;
}

} // namespace

std::string toHalfWidth(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::optional<char32_t> c = threeByteCodePoint(utf8, i);
        std::optional<std::string> half = c ? halfForm(*c) : std::nullopt;
        if (half) {
            out += *half;
            i += 3;
        } else {
            out.push_back(utf8[i]);
            ++i;
        }
    }
    return out;
}

} // namespace kedravo
