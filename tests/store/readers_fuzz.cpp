// libFuzzer entry for the three readers.
#include "fuzz_readers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kedravo::store::test::fuzzReaders(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
