#pragma once
// Qt's own texts in the dialogs it draws (the save-as dialog's labels and buttons) in Japanese like the rest of the
// windows, whatever language the desktop runs in. Held for as long as those texts are wanted.
#include <QTranslator>

namespace kedravo::platform::qt {

class JapaneseQtTexts {
public:
    JapaneseQtTexts();
    ~JapaneseQtTexts();
    JapaneseQtTexts(const JapaneseQtTexts&) = delete;
    JapaneseQtTexts& operator=(const JapaneseQtTexts&) = delete;

    // False where Qt's Japanese translations are not installed: Qt's texts then stay English.
    bool installed() const { return installed_; }

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace kedravo::platform::qt
