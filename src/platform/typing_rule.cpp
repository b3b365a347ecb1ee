#include "platform/typing_rule.h"

#include "core/typed_text.h"

namespace kedravo::platform {

std::string typedInto(const ControlDef& box, std::string_view typed) {
    const std::u32string_view refused = (box.style & NO_DOUBLE_QUOTE) != 0 ? U"\"" : U"";
    return typedText(typed, box.maxBytes, (box.style & MULTI_LINE) != 0, refused);
}

} // namespace kedravo::platform
