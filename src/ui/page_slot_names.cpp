#include "ui/page_slot_names.h"

#include <array>
#include <cassert>

namespace kedravo::ui {
namespace {

constexpr char PAGE_SUFFIX[] = "ページ";

std::string fullWidthNumber(int n) {
    static constexpr std::array<const char*, 10> digits{"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    assert(n >= 0 && n < 100);
    return n < 10 ? digits[n] : std::string(digits[n / 10]) + digits[n % 10];
}

} // namespace

std::string slotItem(int n) {
    return (n < 10 ? "　" : "") + fullWidthNumber(n) + PAGE_SUFFIX;
}

std::string defaultPageName(int n) {
    return fullWidthNumber(n) + PAGE_SUFFIX;
}

} // namespace kedravo::ui
