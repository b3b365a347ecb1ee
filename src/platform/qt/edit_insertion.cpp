#include "platform/qt/edit_insertion.h"

#include "platform/edit_insertion.h"

namespace kedravo::platform::qt {
namespace {

// Qt's text widgets separate lines with a lone "\n".
constexpr LineBreak QT_LINES = LineBreak::Lf;

std::u16string utf16(const QString& text) {
    return text.toStdU16String();
}

} // namespace

int cp932Bytes(const QString& text) {
    return platform::cp932Bytes(utf16(text), QT_LINES);
}

QString insertable(const ControlDef& box, const QString& text, const QString& replaced, const QString& inserted) {
    return QString::fromStdU16String(
        platform::insertable(box, QT_LINES, utf16(text), utf16(replaced), utf16(inserted)));
}

std::optional<Insertion> trimInsertion(const ControlDef& box, const QString& before, const QString& after,
                                       qsizetype cursor) {
    const auto fix = platform::trimInsertion(box, QT_LINES, utf16(before), utf16(after),
                                             static_cast<std::size_t>(std::max<qsizetype>(cursor, 0)));
    if (!fix)
        return std::nullopt;
    return Insertion{static_cast<qsizetype>(fix->start), static_cast<qsizetype>(fix->end),
                     QString::fromStdU16String(fix->kept)};
}

} // namespace kedravo::platform::qt
