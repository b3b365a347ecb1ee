#include "platform/tab_order.h"

#include <algorithm>

namespace kedravo::platform {
namespace {

// Controls whose tops lie this close are read as one row, as the eye reads boxes set a few pixels apart.
constexpr int ROW_TOLERANCE = 8;

bool takesKeyboard(const ControlDef& def) {
    return def.kind != ControlKind::StaticText && def.kind != ControlKind::GroupBox;
}

} // namespace

std::vector<int> tabOrder(const Catalogue& catalogue, int window) {
    std::vector<const ControlDef*> controls;
    for (const ControlDef& def : catalogue.controls)
        if (def.window == window && takesKeyboard(def))
            controls.push_back(&def);
    std::stable_sort(controls.begin(), controls.end(),
                     [](const ControlDef* a, const ControlDef* b) { return a->top < b->top; });
    // Each row starts at the highest control not yet placed and takes the controls within the tolerance below it.
    for (auto row = controls.begin(); row != controls.end();) {
        const int rowTop = (*row)->top;
        const auto end = std::find_if(row, controls.end(),
                                      [rowTop](const ControlDef* def) { return def->top > rowTop + ROW_TOLERANCE; });
        std::stable_sort(row, end, [](const ControlDef* a, const ControlDef* b) { return a->left < b->left; });
        row = end;
    }
    std::vector<int> ids;
    ids.reserve(controls.size());
    for (const ControlDef* def : controls)
        ids.push_back(def->id);
    return ids;
}

} // namespace kedravo::platform
