#include "store/basic_data_file.h"

#include "core/cp932.h"
#include "store/data_files.h"
#include "store/file_reading.h"
#include "store/file_save.h"
#include "store/page_records.h"
#include "store/storable_text.h"

#include <algorithm>
#include <cassert>

namespace kedravo::store {
namespace {

const std::string PAGE_SEPARATOR(20, '*');

int tfCount(const Tables& t, int page) {
    assert(t.TF_COUNT[page] >= 0 && t.TF_COUNT[page] <= TF_MAX);
    return std::clamp<int>(t.TF_COUNT[page], 0, TF_MAX);
}

std::optional<Damage> parsePage(Tables& t, FieldReader& r, int p) {
    std::optional<std::string> spread = r.labelled();
    if (!spread)
        return r.damage();
    t.PAGE_SPREAD[p] = *spread;
    return parseCounted(r, TF_MAX, t.TF_COUNT[p], [&](int j) {
        std::optional<std::string> tf = r.text();
        if (tf)
            t.TF_NAME[p][j] = *tf;
        return tf.has_value();
    });
}

void keepStorable(Tables& t, StorableTexts& texts) {
    for (int p = 0; p < PAGE_MAX; ++p) {
        std::string page = std::to_string(p + 1) + "ページの";
        texts.keep(t.PAGE_NAME[p], page + "ページ名");
        texts.keep(t.PAGE_SPREAD[p], page + "スプレッド");
        for (int j = 0; j < tfCount(t, p); ++j)
            texts.keep(t.TF_NAME[p][j], page + "時間足" + std::to_string(j + 1));
    }
}

} // namespace

std::string basicDataImage(const Tables& t) {
    return pagesImage(t, PAGE_SEPARATOR, [&t](RecordWriter& w, int p) {
        w.plain("スプレッド,").text(t.PAGE_SPREAD[p]).endLine();
        w.number(static_cast<std::int16_t>(tfCount(t, p))).endLine();
        for (int j = 0; j < tfCount(t, p); ++j)
            w.text(t.TF_NAME[p][j]).endLine();
    });
}

std::optional<Damage> parseBasicData(Tables& t, FieldReader& reader) {
    return parsePages(t, reader, [&t](FieldReader& r, int p) { return parsePage(t, r, p); });
}

// A page the file does not give, missing or damaged as it may be, gets the spread of a missing file rather than
// an empty one, which would show buying prices equal to selling prices.
void readBasicData(Tables& t, StoreServices& s) {
    for (int p = 0; p < PAGE_MAX; ++p)
        t.PAGE_SPREAD[p] = "0.01";
    std::string path = t.DATA_DIR + BASIC_FILE;
    readDataFile(s, path, [&t](FieldReader& reader) { return parseBasicData(t, reader); });
}

bool 基本データＷ_SUB(Tables& t, StoreServices& s, SaveMode mode) {
    StorableTexts texts;
    keepStorable(t, texts);
    texts.tell(s.warner, BASIC_FILE);
    std::string path = t.DATA_DIR + BASIC_FILE;
    return saveFile(s, SaveJob{path, BASIC_FILE, utf8ToCp932(basicDataImage(t)).text, nullptr, nullptr, true}, mode)
        .has_value();
}

} // namespace kedravo::store
