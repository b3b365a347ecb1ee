#include "state_line.h"

#include "platform/scripted/script_text.h"

namespace kedravo::script {
namespace {

using platform::ControlKind;
using platform::quoteText;

std::string flag(const char* key, bool on) {
    return std::string(" ") + key + (on ? "=1" : "=0");
}

std::string windowState(platform::Toolkit& toolkit, int window) {
    const platform::Position at = toolkit.position(window);
    return flag("visible", toolkit.isVisible(window)) + flag("topmost", toolkit.isTopmost(window)) +
           " x=" + std::to_string(at.left) + " y=" + std::to_string(at.top);
}

std::string items(platform::Toolkit& toolkit, int control) {
    std::string out = " items=[";
    for (int i = 0; i < toolkit.itemCount(control); ++i)
        out += (i > 0 ? "," : "") + quoteText(toolkit.item(control, i));
    return out + "]";
}

std::string selectedRows(platform::Toolkit& toolkit, int control) {
    std::string out = " sel=[";
    for (int row = 0, shown = 0; row < toolkit.itemCount(control); ++row)
        if (toolkit.isRowSelected(control, row))
            out += (shown++ > 0 ? "," : "") + std::to_string(row);
    return out + "]";
}

std::string controlState(platform::Toolkit& toolkit, const platform::ControlDef& def) {
    std::string out = flag("enabled", toolkit.isEnabled(def.id));
    switch (def.kind) {
    case ControlKind::PushButton:
    case ControlKind::StaticText:
    case ControlKind::EditBox:
        return out + " text=" + quoteText(toolkit.text(def.id));
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return out + flag("checked", toolkit.isChecked(def.id));
    case ControlKind::GroupBox:
        return out;
    case ControlKind::DropDown:
        return out + " sel=" + std::to_string(toolkit.selected(def.id)) + items(toolkit, def.id);
    case ControlKind::ListBox:
        return out + selectedRows(toolkit, def.id) + items(toolkit, def.id);
    }
    return out;
}

std::string menuState(platform::Toolkit& toolkit, int window) {
    const std::vector<platform::MenuItem> menu = toolkit.menu(window);
    std::string enabled = " enabled=[";
    std::string texts = " items=[";
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const std::string comma = i > 0 ? "," : "";
        enabled += comma + (menu[i].enabled ? "1" : "0");
        texts += comma + quoteText(menu[i].text);
    }
    return enabled + "]" + texts + "]";
}

} // namespace

std::string stateLine(platform::Toolkit& toolkit, const platform::Catalogue& catalogue, Target target) {
    const auto at = static_cast<std::size_t>(target.id);
    if (target.isMenu)
        return std::string(catalogue.windows[at].name) + ".menu" + menuState(toolkit, target.id);
    if (target.isWindow)
        return catalogue.windows[at].name + windowState(toolkit, target.id);
    return catalogue.controls[at].name + controlState(toolkit, catalogue.controls[at]);
}

} // namespace kedravo::script
