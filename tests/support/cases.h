#pragma once
// Tables of cases, each named in its failures and checked whatever the cases before it did.
#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace kedravo::test {

// INSTANTIATE_TEST_SUITE_P's namer for cases that have a `name`, in the letters, digits and '_' GoogleTest allows:
// each run of other characters becomes one '_'; a name left empty becomes the case's number.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& info) const {
        std::string out;
        for (const char c : std::string(info.param.name))
            if (std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80)
                out += c;
            else if (!out.empty() && out.back() != '_')
                out += '_';
        while (!out.empty() && out.back() == '_')
            out.pop_back();
        return out.empty() ? "case" + std::to_string(info.index) : out;
    }
};

// Runs `check` on every case under the name `nameOf` gives it; a failed ASSERT ends only its own case.
template <class Cases, class Name, class Check> void eachCase(const Cases& cases, Name nameOf, Check check) {
    for (const auto& c : cases) {
        SCOPED_TRACE(nameOf(c));
        check(c);
    }
}

template <class Cases, class Check> void eachCase(const Cases& cases, Check check) {
    eachCase(
        cases, [](const auto& c) { return c.name; }, check);
}

} // namespace kedravo::test
