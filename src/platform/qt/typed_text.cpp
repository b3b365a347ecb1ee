#include "platform/qt/typed_text.h"

#include "core/cp932.h"

#include <algorithm>

namespace kedravo::platform::qt {
namespace {

qsizetype characterLength(const QString& text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

bool holdable(const QString& character, const QString& refused) {
    return fitsCp932(character.toStdString()) && !refused.contains(character);
}

QString holdableCharacters(const QString& text, const QString& refused) {
    if (refused.isEmpty() && fitsCp932(text.toStdString()))
        return text;
    QString kept;
    for (qsizetype i = 0; i < text.size(); i += characterLength(text, i)) {
        const QString character = text.mid(i, characterLength(text, i));
        if (holdable(character, refused))
            kept += character;
    }
    return kept;
}

QString firstBytes(const QString& text, int budget) {
    qsizetype end = 0;
    for (int used = 0; end < text.size(); end += characterLength(text, end)) {
        used += cp932Bytes(text.mid(end, characterLength(text, end)));
        if (used > budget)
            break;
    }
    return text.left(end);
}

} // namespace

int cp932Bytes(const QString& text) {
    return cp932Width(text.toStdString()) + static_cast<int>(text.count(u'\n'));
}

std::optional<Insertion> trimInsertion(const QString& before, const QString& after, qsizetype cursor, int maxBytes,
                                       const QString& refused) {
    cursor = std::clamp<qsizetype>(cursor, 0, after.size());
    // What follows the cursor is unchanged; the insertion starts where the two texts first differ.
    const qsizetype tail = std::min(after.size() - cursor, before.size());
    const qsizetype headLimit = std::min(before.size() - tail, cursor);
    qsizetype start = 0;
    while (start < headLimit && before[start] == after[start])
        ++start;
    const QString inserted = after.mid(start, cursor - start);

    QString kept = holdableCharacters(inserted, refused);
    if (maxBytes > 0) {
        const int allowed = std::max(maxBytes, cp932Bytes(before));
        const int around = cp932Bytes(after.left(start)) + cp932Bytes(after.mid(cursor));
        kept = firstBytes(kept, allowed - around);
    }
    if (kept == inserted)
        return std::nullopt;
    return Insertion{start, cursor, kept};
}

} // namespace kedravo::platform::qt
