#pragma once
// The input box of the current-price button: title, prompt, one edit field of at most 64 bytes, "OK" (the
// default) and "ｷｬﾝｾﾙ". Modal and owned by `owner`.
#include <QString>
#include <string>

class QWidget;

namespace kedravo::platform::qt {

// The field's text, or INPUT_CANCELLED for "ｷｬﾝｾﾙ", Escape or the close box.
std::string runInputBox(QWidget* owner, const QString& title, const QString& prompt);

} // namespace kedravo::platform::qt
