#include "platform/edit_lines.h"

#include "core/line_break.h"

namespace kedravo::platform {

std::vector<std::string> editLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(LINE_BREAK, start)) != std::string_view::npos; start = at + LINE_BREAK.size())
        lines.emplace_back(text.substr(start, at - start));
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string editLine(std::string_view text, int n) {
    const std::vector<std::string> all = editLines(text);
    return n >= 1 && n <= static_cast<int>(all.size()) ? all[static_cast<std::size_t>(n - 1)] : std::string();
}

} // namespace kedravo::platform
