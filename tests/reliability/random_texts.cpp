#include "random_texts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace kedravo::reliability {
namespace {

template <typename T> const T& oneOf(std::mt19937& random, const std::vector<T>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)];
}

int between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool chance(std::mt19937& random, double p) {
    return std::bernoulli_distribution(p)(random);
}

// Pieces a user might type or paste: the separators of the files, quotes, blanks at either end, control
// characters, characters code page 932 cannot hold, and plain Japanese.
const std::vector<std::string> ODD_PIECES = {",",    ":",       "\"",   " ",      "\t",
                                             "\x01", "\x7f",    "😀",    "\u00a5", "€",
                                             "한",   "①",       "ｶﾅ",   "～",     "－",
                                             "あ",   "日足",    "a",    "1",      ".",
                                             "０",   "．",      "\r\n", "\n",     std::string(40, 'x'),
                                             "価格", "ページ名"};

std::string oddText(std::mt19937& random) {
    std::string text;
    for (int n = between(random, 0, 6); n > 0; --n)
        text += oneOf(random, ODD_PIECES);
    return text;
}

std::string fullWidth(const std::string& ascii) {
    std::string out;
    for (const char c : ascii) {
        if (c >= '0' && c <= '9')
            out += std::string("０１２３４５６７８９").substr(static_cast<std::size_t>(c - '0') * 3, 3);
        else if (c == '.')
            out += "．";
        else
            out += c;
    }
    return out;
}

std::string decimal(double value, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

double nearbyPrice(std::mt19937& random, const Tables& t) {
    const int p = t.CUR_PAGE;
    std::vector<double> anchors = {std::atof(t.CUR_PRICE[p].c_str())};
    for (int j = 0; j < t.LINE_COUNT[p]; ++j)
        anchors.push_back(std::atof(t.LINE_PRICE[p][j].c_str()));
    const double anchor = oneOf(random, anchors);
    if (anchor <= 0)
        return between(random, 1, 999) + between(random, 0, 999) / 1000.0;
    return chance(random, 0.3) ? anchor : anchor + between(random, -1500, 1500) / 1000.0;
}

} // namespace

std::string priceText(std::mt19937& random, const Tables& t) {
    const int kind = between(random, 0, 9);
    std::string price = decimal(nearbyPrice(random, t), between(random, 0, 6));
    if (kind <= 5)
        return price;
    if (kind == 6)
        return fullWidth(price);
    if (kind == 7)
        return oneOf(random,
                     std::vector<std::string>{" " + price, price + ".", "." + std::to_string(between(random, 0, 99999)),
                                              "-" + price, "00" + price, price + "abc"});
    if (kind == 8)
        return oneOf(random,
                     std::vector<std::string>{"", "0", "0.000001", "1000", "999.99999", "abc", "1e3", "９９９"});
    return oddText(random);
}

std::string spreadText(std::mt19937& random) {
    if (chance(random, 0.2))
        return oddText(random);
    return oneOf(random, std::vector<std::string>{"0.01", "0.02", "0.003", "0.010", "０．０２", "1.5", "0", "", "abc",
                                                  "1000", "0.000001"});
}

std::string pageNameText(std::mt19937& random) {
    if (chance(random, 0.3))
        return oddText(random);
    return oneOf(random, std::vector<std::string>{"ドル円", "ユーロ円", "豪ドル円", "EUR/USD", "金", "", "日経225",
                                                  "一二三四五六七八九十一二", " 先物 ", "a,b:c"});
}

std::string timeFrameList(std::mt19937& random, const Tables& t, int slot) {
    std::vector<std::string> names(t.TMP_TF_NAME[slot].begin(), t.TMP_TF_NAME[slot].begin() + t.TMP_TF_COUNT[slot]);
    switch (between(random, 0, 5)) {
    case 0:
        std::shuffle(names.begin(), names.end(), random);
        break;
    case 1:
        if (!names.empty())
            names.erase(names.begin() + between(random, 0, static_cast<int>(names.size()) - 1));
        break;
    case 2:
        names.insert(names.begin() + between(random, 0, static_cast<int>(names.size())),
                     oneOf(random, std::vector<std::string>{"日足", "週足", "5分足", "", "月足", oddText(random)}));
        break;
    case 3:
        names.assign(static_cast<std::size_t>(between(random, 0, 25)), "足");
        for (std::string& name : names)
            name += std::to_string(between(random, 1, 30));
        break;
    case 4:
        names.assign(static_cast<std::size_t>(between(random, 1, 3)), "");
        break;
    default:
        if (!names.empty())
            names[static_cast<std::size_t>(between(random, 0, static_cast<int>(names.size()) - 1))] = oddText(random);
    }
    std::string text;
    for (const std::string& name : names)
        text += name + (chance(random, 0.8) ? "\r\n" : "\n");
    return text;
}

namespace {

// Three numbers in their layout, each from its range; now and then an odd text instead.
std::string threeNumbers(std::mt19937& random, const char* layout, const std::array<std::pair<int, int>, 3>& ranges) {
    if (chance(random, 0.3))
        return oddText(random);
    char text[16];
    std::snprintf(text, sizeof text, layout, between(random, ranges[0].first, ranges[0].second),
                  between(random, ranges[1].first, ranges[1].second),
                  between(random, ranges[2].first, ranges[2].second));
    return text;
}

} // namespace

std::string dateText(std::mt19937& random) {
    return threeNumbers(random, "%04d/%02d/%02d", {{{2020, 2030}, {1, 12}, {1, 28}}});
}

std::string timeText(std::mt19937& random) {
    return threeNumbers(random, "%02d:%02d:%02d", {{{0, 23}, {0, 59}, {0, 59}}});
}

} // namespace kedravo::reliability
