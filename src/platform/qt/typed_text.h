#pragma once
// What an edit box lets through of the text a user types, pastes or drops: characters that code page 932 cannot
// hold are dropped, and the insertion is cut where the box's byte limit is reached.
#include <QString>
#include <optional>

namespace kedravo::platform::qt {

// Width in code page 932 bytes of text as an edit box holds it: a line break is CR LF on the file side, so two.
int cp932Bytes(const QString& text);

// The part of an edit that the box keeps: the inserted text [start, end) of the edited text is to be replaced
// by `kept`.
struct Insertion {
    qsizetype start = 0;
    qsizetype end = 0;
    QString kept;
};

// `before` is the text before the user's edit and `after` the text after it, with the cursor at the end of what
// was inserted. Returns the correction to apply, or nothing when the edit can stay as it is. `maxBytes` 0 means
// no limit; a character in `refused` is dropped like one code page 932 cannot hold. An edit never has to lose
// more than it inserted: a text that was already over the limit (set by the program) may still shrink or keep
// its width.
std::optional<Insertion> trimInsertion(const QString& before, const QString& after, qsizetype cursor, int maxBytes,
                                       const QString& refused = {});

} // namespace kedravo::platform::qt
