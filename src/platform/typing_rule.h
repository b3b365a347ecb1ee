#pragma once
// The typing rule of the catalogue's edit boxes (core/typed_text.h), the same for every backend: applied to the
// whole text typed into a box, or to whatever one edit inserted in the UTF-16 text that toolkits hold. A
// toolkit's line breaks are CR LF or a lone LF; either counts two bytes.
#include "platform/catalogue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kedravo::platform {

// The text edit box `box` holds after `typed` has been typed into it: its byte limit, its line mode and the
// characters its style refuses apply.
std::string typedInto(const ControlDef& box, std::string_view typed);

enum class LineBreak { CrLf, Lf };

// Width in code page 932 bytes.
int cp932Bytes(std::u16string_view text, LineBreak form);

// What of `inserted` the box takes in place of `replaced`, a part of its text `text`. The box never grows beyond
// its limit, but a text the program set beyond it may still shrink or keep its width.
std::u16string insertable(const ControlDef& box, LineBreak form, std::u16string_view text, std::u16string_view replaced,
                          std::u16string_view inserted);

// The inserted text [start, end) of the edited text is to be replaced by `kept`.
struct Insertion {
    std::size_t start = 0;
    std::size_t end = 0;
    std::u16string kept;
};

// For an edit seen only once it is made: `before` is the text of `box` before the user's edit and `after` the
// text after it, with the cursor at the end of what was inserted. Returns the correction to apply, or nothing
// when the edit can stay as it is.
std::optional<Insertion> trimInsertion(const ControlDef& box, LineBreak form, std::u16string_view before,
                                       std::u16string_view after, std::size_t cursor);

} // namespace kedravo::platform
