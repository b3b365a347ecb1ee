#include "platform/qt/limited_edits.h"

#include "platform/qt/control_look.h"
#include "platform/typing_rule.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QValidator>
#include <algorithm>

namespace kedravo::platform::qt {
namespace {

// Qt's text widgets separate lines with a lone "\n".
constexpr LineBreak QT_LINES = LineBreak::Lf;

std::u16string utf16(const QString& text) {
    return text.toStdU16String();
}

} // namespace

class LimitedLineEdit::Filter : public QValidator {
public:
    Filter(LimitedLineEdit& edit, const ControlDef& def) : QValidator(&edit), edit_(edit), def_(def) {}

    State validate(QString& input, int& cursor) const override {
        if (edit_.programEdit_)
            return Acceptable;
        const auto at = static_cast<std::size_t>(std::max(cursor, 0));
        if (auto fix = trimInsertion(def_, QT_LINES, utf16(edit_.accepted_), utf16(input), at)) {
            input.replace(static_cast<qsizetype>(fix->start), static_cast<qsizetype>(fix->end - fix->start),
                          QString::fromStdU16String(fix->kept));
            cursor = static_cast<int>(fix->start + fix->kept.size());
        }
        return Acceptable;
    }

private:
    const LimitedLineEdit& edit_;
    const ControlDef& def_;
};

LimitedLineEdit::LimitedLineEdit(const ControlDef& def, QWidget* parent) : QLineEdit(parent), catalogueFont_(font()) {
    setValidator(new Filter(*this, def));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        accepted_ = text;
        fitText();
    });
}

// Like the system's edit control, a box given a text shows its beginning.
void LimitedLineEdit::setProgramText(const QString& text) {
    programEdit_ = true;
    setText(text);
    setCursorPosition(0);
    programEdit_ = false;
}

void LimitedLineEdit::setCatalogueFont(const QFont& font) {
    catalogueFont_ = font;
    fitText();
}

void LimitedLineEdit::fitText() {
    // QLineEdit keeps two pixels each side of its text and one for the cursor.
    constexpr int lineEditMargins = 2 * 2 + 1;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this) - textMargins();
    const QFont fitted =
        text().isEmpty() ? catalogueFont_ : fittedFont(catalogueFont_, {text()}, room.width() - lineEditMargins);
    if (fitted != font())
        setFont(fitted);
}

namespace {

// The text a key inserts into a multi-line box: a line break for Enter, a character, or nothing for the keys
// that edit, move or leave the box.
QString typedBy(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return QStringLiteral("\n");
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return {};
    const QString text = event.text();
    const bool character = !text.isEmpty() && (text[0] == u'\t' || (text[0] >= u' ' && text[0] != u'\x7f'));
    return character ? text : QString();
}

} // namespace

// A read-only box takes the text straight into its document: setPlainText would also apply the character format
// over the whole text and keep the edit's cursor and selection up to date through it.
void LimitedTextEdit::setProgramText(const QString& text) {
    if (isReadOnly())
        document()->setPlainText(text);
    else
        setPlainText(text);
}

QString LimitedTextEdit::insertable(const QString& inserted) const {
    return QString::fromStdU16String(platform::insertable(
        def_, QT_LINES, utf16(toPlainText()), utf16(textCursor().selection().toPlainText()), utf16(inserted)));
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = typedBy(*event);
    if (!isReadOnly() && !typed.isEmpty() && insertable(typed).isEmpty())
        event->accept();
    else
        QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    QMimeData kept;
    kept.setText(insertable(source->text()));
    QPlainTextEdit::insertFromMimeData(&kept);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(insertable(event->commitString()), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&kept);
}

} // namespace kedravo::platform::qt
