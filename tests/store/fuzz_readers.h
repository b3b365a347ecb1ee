#pragma once
// One input for the three readers: read as each data file, then saved and read again. Aborts when a reader
// breaks what the tables promise or when what was read does not come back unchanged.
#include <string_view>

namespace kedravo::store::test {

void fuzzReaders(std::string_view bytes);

} // namespace kedravo::store::test
