// libFuzzer entry for the script parser.
#include "fuzz_script.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kedravo::script::test::fuzzScript(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
