#include "options.h"
#include "support/cases.h"

#include <gtest/gtest.h>
#include <vector>

namespace kedravo::script {
namespace {

struct OptionsCase {
    const char* name;
    std::vector<const char*> arguments;
    BuiltToolkits built;
    Backend backend;
    std::optional<std::string> shots;
    const char* error;
};

TEST(Options, ReadsTheCommandLine) {
    const OptionsCase cases[] = {
        {"script only", {"a.script"}, {}, Backend::Headless, {}, ""},
        {"headless named", {"--toolkit", "headless", "a.script"}, {}, Backend::Headless, {}, ""},
        {"qt with shots",
         {"--shots", "build/shots", "--toolkit", "qt", "a.script"},
         {.qt = true},
         Backend::Qt,
         "build/shots",
         ""},
        {"no script", {"--toolkit", "headless"}, {.qt = true}, Backend::Headless, {}, "no script given"},
        {"two scripts", {"a.script", "b.script"}, {.qt = true}, Backend::Headless, {}, "unexpected argument b.script"},
        {"unknown option", {"--fast", "a.script"}, {.qt = true}, Backend::Headless, {}, "unexpected argument --fast"},
        {"unknown toolkit",
         {"--toolkit", "gtk", "a.script"},
         {.qt = true},
         Backend::Headless,
         {},
         "unknown toolkit gtk"},
        {"missing value", {"a.script", "--shots"}, {.qt = true}, Backend::Headless, {}, "--shots needs a value"},
        {"qt not built",
         {"--toolkit", "qt", "a.script"},
         {.win32 = true},
         Backend::Headless,
         {},
         "this build has no Qt backend"},
        {"win32 built", {"--toolkit", "win32", "a.script"}, {.win32 = true}, Backend::Win32, {}, ""},
        {"win32 not built",
         {"--toolkit", "win32", "a.script"},
         {.qt = true},
         Backend::Headless,
         {},
         "this build has no Win32 backend"},
        {"shots need a screen",
         {"--shots", "d", "a.script"},
         {.qt = true, .win32 = true},
         Backend::Headless,
         {},
         "--shots needs --toolkit qt or win32: the headless toolkit draws nothing"},
    };
    kedravo::test::eachCase(cases, [&](const OptionsCase& c) {
        ParsedOptions parsed = parseOptions(c.arguments, c.built);
        EXPECT_EQ(parsed.error, c.error);
        ASSERT_EQ(parsed.options.has_value(), std::string(c.error).empty());
        if (parsed.options) {
            EXPECT_EQ(parsed.options->script, "a.script");
            EXPECT_EQ(parsed.options->backend, c.backend);
            EXPECT_EQ(parsed.options->shots, c.shots);
        }
    });
}

} // namespace
} // namespace kedravo::script
