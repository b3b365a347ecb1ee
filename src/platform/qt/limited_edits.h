#pragma once
// Edit boxes whose user input is held to code page 932, to a limit in bytes and clear of refused characters. The
// program's own texts are taken as they are: like the system's edit controls, the limit applies to what the user
// enters.
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kedravo::platform::qt {

class LimitedLineEdit : public QLineEdit {
public:
    LimitedLineEdit(int maxBytes, const QString& refused, QWidget* parent);
    void setProgramText(const QString& text);

private:
    class Filter;
    QString accepted_; // the text before the edit being validated
    bool programEdit_ = false;
};

// Lines are separated by "\n" here; the toolkit converts to and from CR LF.
class LimitedTextEdit : public QPlainTextEdit {
public:
    LimitedTextEdit(int maxBytes, const QString& refused, QWidget* parent);
    void setProgramText(const QString& text);

private:
    void keepWhatFits();

    int maxBytes_;
    QString refused_;
    QString accepted_;
    bool programEdit_ = false;
};

} // namespace kedravo::platform::qt
