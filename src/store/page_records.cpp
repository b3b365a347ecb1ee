#include "store/page_records.h"

namespace kedravo::store {

std::string pagesImage(const Tables& t, std::string_view separator,
                       const std::function<void(RecordWriter& w, int p)>& rest) {
    RecordWriter w;
    w.versionLine();
    for (int p = 0; p < PAGE_MAX; ++p) {
        w.plain(separator).endLine();
        w.plain(PAGE_NAME_LABEL).plain(",").text(t.PAGE_NAME[p]).endLine();
        rest(w, p);
    }
    return w.image();
}

std::optional<Damage> parsePages(Tables& t, FieldReader& r,
                                 const std::function<std::optional<Damage>(FieldReader& r, int p)>& rest) {
    if (!r.text() || !r.text())
        return r.damage();
    for (int p = 0; p < PAGE_MAX; ++p) {
        // The separator line, then the name after its label.
        std::optional<std::string> name = r.text() ? r.labelled() : std::nullopt;
        if (!name)
            return r.damage();
        t.PAGE_NAME[p] = *name;
        if (std::optional<Damage> damage = rest(r, p))
            return damage;
    }
    return std::nullopt;
}

std::optional<Damage> parseCounted(FieldReader& r, int most, std::int16_t& count,
                                   const std::function<bool(int j)>& record) {
    std::optional<std::int16_t> records = r.number(0, most);
    if (!records)
        return r.damage();
    count = 0;
    for (int j = 0; j < *records; ++j) {
        if (!record(j))
            return r.damage();
        count = static_cast<std::int16_t>(j + 1);
    }
    return std::nullopt;
}

} // namespace kedravo::store
