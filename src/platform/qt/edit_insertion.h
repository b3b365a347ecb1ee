#pragma once
// What an edit box lets through of the text a user types, pastes or drops: the same typing rule as for every
// backend, applied to whatever was inserted in one edit.
#include "platform/catalogue.h"

#include <QString>
#include <optional>

namespace kedravo::platform::qt {

// Width in code page 932 bytes of text as a Qt edit box holds it: a line break, CR LF in the interface, counts two.
int cp932Bytes(const QString& text);

// What of `inserted` the box takes in place of `replaced`, a part of its text `text`. The box never grows beyond
// its limit, but a text the program set beyond it may still shrink or keep its width.
QString insertable(const ControlDef& box, const QString& text, const QString& replaced, const QString& inserted);

// The inserted text [start, end) of the edited text is to be replaced by `kept`.
struct Insertion {
    qsizetype start = 0;
    qsizetype end = 0;
    QString kept;
};

// For an edit seen only once it is made: `before` is the text of `box` before the user's edit and `after` the
// text after it, with the cursor at the end of what was inserted. Returns the correction to apply, or nothing
// when the edit can stay as it is.
std::optional<Insertion> trimInsertion(const ControlDef& box, const QString& before, const QString& after,
                                       qsizetype cursor);

} // namespace kedravo::platform::qt
