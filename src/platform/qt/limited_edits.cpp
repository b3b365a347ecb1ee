#include "platform/qt/limited_edits.h"

#include "platform/qt/typed_text.h"

#include <QTextCursor>
#include <QValidator>

namespace kedravo::platform::qt {

class LimitedLineEdit::Filter : public QValidator {
public:
    Filter(const LimitedLineEdit& edit, int maxBytes, const QString& refused)
        : QValidator(nullptr), edit_(edit), maxBytes_(maxBytes), refused_(refused) {}

    State validate(QString& input, int& cursor) const override {
        if (edit_.programEdit_)
            return Acceptable;
        if (auto fix = trimInsertion(edit_.accepted_, input, cursor, maxBytes_, refused_)) {
            input.replace(fix->start, fix->end - fix->start, fix->kept);
            cursor = static_cast<int>(fix->start + fix->kept.size());
        }
        return Acceptable;
    }

private:
    const LimitedLineEdit& edit_;
    int maxBytes_;
    QString refused_;
};

LimitedLineEdit::LimitedLineEdit(int maxBytes, const QString& refused, QWidget* parent) : QLineEdit(parent) {
    auto* filter = new Filter(*this, maxBytes, refused);
    filter->setParent(this);
    setValidator(filter);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

// Like the system's edit control, a box given a text shows its beginning.
void LimitedLineEdit::setProgramText(const QString& text) {
    programEdit_ = true;
    setText(text);
    setCursorPosition(0);
    programEdit_ = false;
}

LimitedTextEdit::LimitedTextEdit(int maxBytes, const QString& refused, QWidget* parent)
    : QPlainTextEdit(parent), maxBytes_(maxBytes), refused_(refused) {
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::keepWhatFits);
}

void LimitedTextEdit::setProgramText(const QString& text) {
    programEdit_ = true;
    setPlainText(text);
    programEdit_ = false;
}

// Runs after every change of the text; the correction joins the user's edit, so one undo takes back both.
void LimitedTextEdit::keepWhatFits() {
    const QString text = toPlainText();
    if (!programEdit_) {
        if (auto fix = trimInsertion(accepted_, text, textCursor().position(), maxBytes_, refused_)) {
            QTextCursor cursor(document());
            cursor.joinPreviousEditBlock();
            cursor.setPosition(static_cast<int>(fix->start));
            cursor.setPosition(static_cast<int>(fix->end), QTextCursor::KeepAnchor);
            programEdit_ = true; // the correction itself needs no correction
            cursor.insertText(fix->kept);
            programEdit_ = false;
            cursor.endEditBlock();
            setTextCursor(cursor);
        }
    }
    accepted_ = toPlainText();
}

} // namespace kedravo::platform::qt
