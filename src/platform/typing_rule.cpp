#include "platform/typing_rule.h"

#include "core/cp932.h"
#include "core/typed_text.h"
#include "core/utf16.h"

#include <algorithm>

namespace kedravo::platform {
namespace {

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// The typing rule works on the interface's CR LF.
std::string toInterface(std::u16string_view text, LineBreak form) {
    return form == LineBreak::Lf ? replaced(fromUtf16(text), "\n", "\r\n") : fromUtf16(text);
}

std::u16string fromInterface(const std::string& text, LineBreak form) {
    return toUtf16(form == LineBreak::Lf ? replaced(text, "\r\n", "\n") : text);
}

} // namespace

std::string typedInto(const ControlDef& box, std::string_view typed) {
    const std::u32string_view refused = (box.style & NO_DOUBLE_QUOTE) != 0 ? U"\"" : U"";
    return typedText(typed, box.maxBytes, (box.style & MULTI_LINE) != 0, refused);
}

int cp932Bytes(std::u16string_view text, LineBreak form) {
    return cp932Width(toInterface(text, form));
}

std::u16string insertable(const ControlDef& box, LineBreak form, std::u16string_view text, std::u16string_view replaced,
                          std::u16string_view inserted) {
    const int width = cp932Bytes(text, form);
    const int room = std::max(box.maxBytes, width) - (width - cp932Bytes(replaced, form));
    if (box.maxBytes > 0 && room <= 0)
        return {};
    ControlDef roomLeft = box;
    roomLeft.maxBytes = box.maxBytes > 0 ? room : 0;
    return fromInterface(typedInto(roomLeft, toInterface(inserted, form)), form);
}

std::optional<Insertion> trimInsertion(const ControlDef& box, LineBreak form, std::u16string_view before,
                                       std::u16string_view after, std::size_t cursor) {
    cursor = std::min(cursor, after.size());
    // What follows the cursor is unchanged; the insertion starts where the two texts first differ.
    const std::size_t tail = std::min(after.size() - cursor, before.size());
    const std::size_t headLimit = std::min(before.size() - tail, cursor);
    std::size_t start = 0;
    while (start < headLimit && before[start] == after[start])
        ++start;
    const std::u16string_view inserted = after.substr(start, cursor - start);
    const std::u16string_view replaced = before.substr(start, before.size() - tail - start);
    std::u16string kept = insertable(box, form, before, replaced, inserted);
    if (kept == inserted)
        return std::nullopt;
    return Insertion{start, cursor, std::move(kept)};
}

} // namespace kedravo::platform
