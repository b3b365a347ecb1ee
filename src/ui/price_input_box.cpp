#include "ui/price_input_box.h"

#include "lines/price_text.h"

namespace kedravo::ui {

std::string INBOX_SUB(Context& c, int window, const std::string& title) {
    const std::string answer = c.dialogs.inputBox(window, title, "小数点以下も含めて現在の価格を入力");
    if (answer == platform::INPUT_CANCELLED)
        return {};
    return normalisedPrice(answer);
}

} // namespace kedravo::ui
