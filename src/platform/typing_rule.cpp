#include "platform/typing_rule.h"

#include "core/typed_text.h"

namespace kedravo::platform {

std::u32string_view refusedCharacters(const ControlDef& box) {
    return (box.style & NO_DOUBLE_QUOTE) != 0 ? U"\"" : U"";
}

std::string typedInto(const ControlDef& box, std::string_view typed) {
    return typedText(typed, box.maxBytes, (box.style & MULTI_LINE) != 0, refusedCharacters(box));
}

} // namespace kedravo::platform
