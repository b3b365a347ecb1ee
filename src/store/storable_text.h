#pragma once
// Texts the data files cannot hold as they are. No file can hold a double quote (quoting is the only escape the
// format has), and nothing outside code page 932 reaches a file. The windows keep both out; should one get
// through all the same, it is replaced and the user told, rather than a file written that cannot read back.
#include "platform/dialogs.h"

#include <string>
#include <string_view>
#include <vector>

namespace kedravo::store {

bool isStorable(std::string_view utf8);

// Collects the texts replaced while one file is written, to tell the user of them all at once.
class StorableTexts {
public:
    // Makes `text` storable in place: a double quote becomes "＂", a character outside code page 932 "？".
    void keep(std::string& text, const std::string& where);
    void tell(platform::Warner& warner, const std::string& fileName) const;

private:
    std::vector<std::string> replaced_;
};

} // namespace kedravo::store
