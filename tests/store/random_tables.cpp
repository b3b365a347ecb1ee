#include "random_tables.h"

#include <string>

namespace kedravo::store::test {
namespace {

const char* const PIECES[] = {"日足", "ドル円", "1.25", ",", ":", " ", "ｶﾀｶﾅ", "a", "　", "表", "\\", "~", "-"};

std::string randomText(std::mt19937& random) {
    std::string text;
    for (int n = std::uniform_int_distribution<int>(0, 6)(random); n > 0; --n)
        text += PIECES[std::uniform_int_distribution<std::size_t>(0, std::size(PIECES) - 1)(random)];
    return text;
}

std::int16_t randomInt(std::mt19937& random, int low, int high) {
    return static_cast<std::int16_t>(std::uniform_int_distribution<int>(low, high)(random));
}

template <class A> std::string differs(const char* name, int p, const A& a, const A& b, int count) {
    for (int i = 0; i < count; ++i)
        if (a[p][i] != b[p][i])
            return std::string(name) + " page " + std::to_string(p) + " item " + std::to_string(i);
    return {};
}

} // namespace

std::unique_ptr<Tables> randomTables(std::mt19937& random) {
    auto t = std::make_unique<Tables>();
    for (int p = 0; p < PAGE_MAX; ++p) {
        t->PAGE_NAME[p] = randomText(random);
        t->PAGE_SPREAD[p] = randomText(random);
        t->CUR_PRICE[p] = randomText(random);
        t->CUR_PRICE_TIME[p] = randomText(random);
        t->TF_COUNT[p] = randomInt(random, 0, TF_MAX);
        for (int j = 0; j < t->TF_COUNT[p]; ++j)
            t->TF_NAME[p][j] = randomText(random);
        t->LINE_COUNT[p] = randomInt(random, 0, random() % 4 == 0 ? LINE_MAX : 20);
        for (int j = 0; j < t->LINE_COUNT[p]; ++j) {
            t->LINE_PRICE[p][j] = randomText(random);
            t->LINE_TF[p][j] = randomInt(random, 0, TF_MAX);
            t->LINE_CROSS[p][j] = randomInt(random, 0, CROSS_CAP);
        }
    }
    t->DATA_DIR = "/data, 1:/" + randomText(random) + "/";
    t->BACKUP_DIR = random() % 2 ? "" : "/backup " + randomText(random) + "/";
    t->BACKUP_ON = t->BACKUP_DIR.empty() ? 0 : 1;
    return t;
}

std::unique_ptr<Tables> fullTables(int variant) {
    auto t = std::make_unique<Tables>();
    for (int p = 0; p < PAGE_MAX; ++p) {
        t->PAGE_NAME[p] = "ページ" + std::to_string(p) + "版" + std::to_string(variant);
        t->PAGE_SPREAD[p] = "0.01";
        t->CUR_PRICE[p] = "112.5";
        t->CUR_PRICE_TIME[p] = "2016/03/01_09:30:05";
        t->TF_COUNT[p] = TF_MAX;
        for (int j = 0; j < TF_MAX; ++j)
            t->TF_NAME[p][j] = "時間足" + std::to_string(j);
        t->LINE_COUNT[p] = LINE_MAX;
        for (int j = 0; j < LINE_MAX; ++j) {
            t->LINE_PRICE[p][j] = std::to_string(100 + j) + "." + std::to_string(variant + 1);
            t->LINE_TF[p][j] = static_cast<std::int16_t>(j % TF_MAX);
            t->LINE_CROSS[p][j] = static_cast<std::int16_t>(j + variant);
        }
    }
    return t;
}

std::string firstDifference(const Tables& a, const Tables& b) {
    for (int p = 0; p < PAGE_MAX; ++p) {
        if (a.PAGE_NAME[p] != b.PAGE_NAME[p] || a.PAGE_SPREAD[p] != b.PAGE_SPREAD[p] ||
            a.CUR_PRICE[p] != b.CUR_PRICE[p] || a.CUR_PRICE_TIME[p] != b.CUR_PRICE_TIME[p] ||
            a.TF_COUNT[p] != b.TF_COUNT[p] || a.LINE_COUNT[p] != b.LINE_COUNT[p])
            return "page fields of page " + std::to_string(p);
        for (std::string d : {differs("TF_NAME", p, a.TF_NAME, b.TF_NAME, a.TF_COUNT[p]),
                              differs("LINE_PRICE", p, a.LINE_PRICE, b.LINE_PRICE, a.LINE_COUNT[p]),
                              differs("LINE_TF", p, a.LINE_TF, b.LINE_TF, a.LINE_COUNT[p]),
                              differs("LINE_CROSS", p, a.LINE_CROSS, b.LINE_CROSS, a.LINE_COUNT[p])})
            if (!d.empty())
                return d;
    }
    if (a.DATA_DIR != b.DATA_DIR || a.BACKUP_DIR != b.BACKUP_DIR || a.BACKUP_ON != b.BACKUP_ON)
        return "folders";
    return {};
}

} // namespace kedravo::store::test
