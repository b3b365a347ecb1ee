#include "platform/qt/edit_insertion.h"

#include "core/cp932.h"
#include "platform/typing_rule.h"

#include <algorithm>

namespace kedravo::platform::qt {
namespace {

// Qt's text widgets separate lines with "\n"; the typing rule works on the interface's CR LF.
std::string toInterface(QString text) {
    return text.replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

QString fromInterface(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

int cp932Bytes(const QString& text) {
    return cp932Width(toInterface(text));
}

QString insertable(const ControlDef& box, const QString& text, const QString& replaced, const QString& inserted) {
    const int width = cp932Bytes(text);
    const int room = std::max(box.maxBytes, width) - (width - cp932Bytes(replaced));
    if (box.maxBytes > 0 && room <= 0)
        return {};
    ControlDef roomLeft = box;
    roomLeft.maxBytes = box.maxBytes > 0 ? room : 0;
    return fromInterface(typedInto(roomLeft, toInterface(inserted)));
}

std::optional<Insertion> trimInsertion(const ControlDef& box, const QString& before, const QString& after,
                                       qsizetype cursor) {
    cursor = std::clamp<qsizetype>(cursor, 0, after.size());
    // What follows the cursor is unchanged; the insertion starts where the two texts first differ.
    const qsizetype tail = std::min(after.size() - cursor, before.size());
    const qsizetype headLimit = std::min(before.size() - tail, cursor);
    qsizetype start = 0;
    while (start < headLimit && before[start] == after[start])
        ++start;
    const QString inserted = after.mid(start, cursor - start);
    const QString replaced = before.mid(start, before.size() - tail - start);
    const QString kept = insertable(box, before, replaced, inserted);
    if (kept == inserted)
        return std::nullopt;
    return Insertion{start, cursor, kept};
}

} // namespace kedravo::platform::qt
