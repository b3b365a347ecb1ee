#pragma once
// Qt edit boxes held to the typing rule of their catalogue entry (platform/typing_rule.h). The program's own
// texts are taken as they are: like the system's edit controls, the limit applies to what the user enters.
#include "platform/catalogue.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace kedravo::platform::qt {

class LimitedLineEdit : public QLineEdit {
public:
    LimitedLineEdit(const ControlDef& def, QWidget* parent);
    void setProgramText(const QString& text);
    // The font the box shows its text in, at a smaller size while the text would otherwise scroll out of it.
    void setCatalogueFont(const QFont& font);

private:
    class Filter;
    void fitText();

    QFont catalogueFont_;
    QString accepted_; // the text before the edit being validated
    bool programEdit_ = false;
};

// Lines are separated by "\n" here; the toolkit converts to and from CR LF. What the user types, pastes, drops
// or composes is held to the rule before it goes in, so that the undo steps hold only what the box took.
class LimitedTextEdit : public QPlainTextEdit {
public:
    LimitedTextEdit(const ControlDef& def, QWidget* parent) : QPlainTextEdit(parent), def_(def) {}
    void setProgramText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QString insertable(const QString& inserted) const;

    const ControlDef& def_;
};

} // namespace kedravo::platform::qt
