#pragma once
// A promise a fuzz harness checks: broken, it ends the run where libFuzzer and the replay tests both see it.
#include <cstdio>
#include <cstdlib>

namespace kedravo::test {

inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace kedravo::test
