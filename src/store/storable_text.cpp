#include "store/storable_text.h"

#include "core/cp932.h"
#include "core/utf8.h"

#include <algorithm>

namespace kedravo::store {
namespace {

std::string storable(std::string_view utf8) {
    std::string out;
    for (char32_t c : decodeUtf8(utf8)) {
        std::string one;
        appendUtf8(one, c);
        if (c == U'"')
            appendUtf8(out, U'＂');
        else if (fitsCp932(one))
            out += one;
        else
            appendUtf8(out, U'？');
    }
    return out;
}

} // namespace

bool isStorable(std::string_view utf8) {
    return utf8.find('"') == std::string_view::npos &&
           (std::all_of(utf8.begin(), utf8.end(), isAscii) || fitsCp932(utf8));
}

void StorableTexts::keep(std::string& text, const std::string& where) {
    if (isStorable(text))
        return;
    text = storable(text);
    replaced_.push_back(where + "「" + text + "」");
}

void StorableTexts::tell(platform::Warner& warner, const std::string& fileName) const {
    if (replaced_.empty())
        return;
    std::string text = fileName + "に書けない文字を置き換えました（\" は ＂、シフトJISにない文字は ？）。";
    for (const std::string& place : replaced_)
        text += "\r\n" + place;
    warner.STOP_SUB("保存警告", text);
}

} // namespace kedravo::store
