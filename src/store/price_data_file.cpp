#include "store/price_data_file.h"

#include "core/cp932.h"
#include "core/numeric_value.h"
#include "store/data_files.h"
#include "store/file_messages.h"
#include "store/file_reading.h"
#include "store/file_save.h"
#include "store/page_records.h"
#include "store/storable_text.h"

#include <algorithm>
#include <cassert>

namespace kedravo::store {
namespace {

constexpr char VERSION_LABEL[] = "バージョン";
constexpr char PRICE_LABEL[] = "価格";
const std::string PAGE_SEPARATOR(30, '*');

int lineCount(const Tables& t, int page) {
    assert(t.LINE_COUNT[page] >= 0 && t.LINE_COUNT[page] <= LINE_MAX);
    return std::clamp<int>(t.LINE_COUNT[page], 0, LINE_MAX);
}

// Reads the file with the start-up read steps and compares as it goes. A field that cannot be read counts
// as a mismatch of the step that wanted it, and ends the comparison.
class Comparison {
public:
    explicit Comparison(std::string_view utf8) : reader_(utf8) {}

    bool text(int number, const std::string& expected) {
        std::optional<std::string> field = reader_.text();
        expect(field && *field == expected, number);
        return field.has_value();
    }
    bool number(int number, std::int16_t expected) {
        std::optional<std::int16_t> field = reader_.number();
        expect(field && *field == expected, number);
        return field.has_value();
    }
    bool version(int number) {
        std::optional<std::string> field = reader_.text();
        expect(field && numericValue(*field) == DATA_VERSION, number);
        return field.has_value();
    }
    bool skip(int number) {
        bool read = reader_.text().has_value();
        expect(read, number);
        return read;
    }
    std::optional<int> result() const { return mismatch_ ? std::optional<int>(number_) : std::nullopt; }

private:
    void expect(bool same, int number) {
        if (!same) {
            number_ = number;
            mismatch_ = true;
        }
    }

    FieldReader reader_;
    int number_ = 0;
    bool mismatch_ = false;
};

bool compareLines(Comparison& c, const Tables& t, int p) {
    for (int j = 0; j < lineCount(t, p); ++j) {
        int number = p * 1000 + j;
        if (!c.text(number, t.LINE_PRICE[p][j]) || !c.number(number, t.LINE_TF[p][j]) ||
            !c.number(number, t.LINE_CROSS[p][j]))
            return false;
    }
    return true;
}

bool comparePage(Comparison& c, const Tables& t, int p) {
    int base = p * 1000;
    return c.skip(10003) && c.text(10003, PAGE_NAME_LABEL) && c.text(10004, t.PAGE_NAME[p]) &&
           c.text(base, PRICE_LABEL) && c.text(base + LINE_MAX + 1, t.CUR_PRICE[p]) &&
           c.text(base + LINE_MAX + 2, t.CUR_PRICE_TIME[p]) && c.number(base + LINE_MAX + 3, t.LINE_COUNT[p]) &&
           compareLines(c, t, p);
}

void compareFile(Comparison& c, const Tables& t) {
    if (!c.text(10001, VERSION_LABEL) || !c.version(10002))
        return;
    for (int p = 0; p < PAGE_MAX; ++p)
        if (!comparePage(c, t, p))
            return;
}

// A time frame or a count out of range is mended, so that neither this line nor any after it is lost.
bool parseLine(Tables& t, FieldReader& r, int p, int j) {
    std::optional<std::string> price = r.text();
    std::optional<long long> tf = price ? r.numberToMend(0, TF_MAX) : std::nullopt;
    std::optional<long long> cross = tf ? r.numberToMend(0, CROSS_CAP) : std::nullopt;
    if (!cross)
        return false;
    t.LINE_PRICE[p][j] = *price;
    // The first time frame, where the page settings window puts a line whose time frame has gone.
    t.LINE_TF[p][j] = static_cast<std::int16_t>(*tf >= 0 && *tf <= TF_MAX ? *tf : 0);
    t.LINE_CROSS[p][j] = static_cast<std::int16_t>(std::clamp<long long>(*cross, 0, CROSS_CAP));
    return true;
}

std::optional<Damage> parsePage(Tables& t, FieldReader& r, int p) {
    std::optional<std::string> price = r.labelled();
    if (!price)
        return r.damage();
    t.CUR_PRICE[p] = *price;
    std::optional<std::string> time = r.text();
    if (!time)
        return r.damage();
    t.CUR_PRICE_TIME[p] = *time;
    return parseCounted(r, LINE_MAX, t.LINE_COUNT[p], [&](int j) { return parseLine(t, r, p, j); });
}

void keepStorable(Tables& t, StorableTexts& texts) {
    for (int p = 0; p < PAGE_MAX; ++p) {
        std::string page = std::to_string(p + 1) + "ページの";
        texts.keep(t.PAGE_NAME[p], page + "ページ名");
        texts.keep(t.CUR_PRICE[p], page + "現在価格");
        texts.keep(t.CUR_PRICE_TIME[p], page + "更新日時");
        for (int j = 0; j < lineCount(t, p); ++j)
            texts.keep(t.LINE_PRICE[p][j], page + "価格" + std::to_string(j + 1));
    }
}

Message priceRetryMessage(platform::FileSystem& files, const std::string& path, const SaveFailure& failure) {
    if (failure.step == SaveStep::Verify)
        return {"ベリファイ・エラー ER%= " + std::to_string(failure.mismatch), "再度書込ます"};
    if (failure.step == SaveStep::Replace)
        return {"価格データ削除エラー", "古い価格データを削除します。"};
    return retryWriteMessage(files, path, failure);
}

} // namespace

std::string priceDataImage(const Tables& t) {
    return pagesImage(t, PAGE_SEPARATOR, [&t](RecordWriter& w, int p) {
        w.plain(PRICE_LABEL).plain(",").text(t.CUR_PRICE[p]).plain(",").quoted(t.CUR_PRICE_TIME[p]).endLine();
        w.number(static_cast<std::int16_t>(lineCount(t, p))).endLine();
        for (int j = 0; j < lineCount(t, p); ++j)
            w.text(t.LINE_PRICE[p][j])
                .plain(",")
                .number(t.LINE_TF[p][j])
                .plain(",")
                .number(t.LINE_CROSS[p][j])
                .endLine();
    });
}

std::optional<int> verifyPriceData(const Tables& t, std::string_view cp932) {
    DecodedFile file = decodeFile(cp932);
    Comparison c(file.text);
    compareFile(c, t);
    return c.result();
}

std::optional<Damage> parsePriceData(Tables& t, FieldReader& reader) {
    return parsePages(t, reader, [&t](FieldReader& r, int p) { return parsePage(t, r, p); });
}

void readPriceData(Tables& t, StoreServices& s) {
    std::string path = t.DATA_DIR + PRICE_FILE;
    readDataFile(s, path, [&t](FieldReader& reader) { return parsePriceData(t, reader); });
}

std::optional<std::string> 価格データW_SUB(Tables& t, StoreServices& s, SaveMode mode) {
    StorableTexts texts;
    keepStorable(t, texts);
    texts.tell(s.warner, PRICE_FILE);
    std::string path = t.DATA_DIR + PRICE_FILE;
    SaveJob job{path,
                PRICE_FILE,
                utf8ToCp932(priceDataImage(t)).text,
                [&t](std::string_view bytes) { return verifyPriceData(t, bytes); },
                [&s, &path](const SaveFailure& failure) { return priceRetryMessage(s.files, path, failure); },
                true};
    return saveFile(s, job, mode);
}

} // namespace kedravo::store
