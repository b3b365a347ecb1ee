#include "fuzz_script.h"

#include "script.h"
#include "script_lines.h"
#include "support/fuzz_require.h"
#include "ui/catalogue.h"

namespace kedravo::script::test {
namespace {

using kedravo::test::require;

bool hasTarget(Verb verb) {
    return verb == Verb::Click || verb == Verb::Pick || verb == Verb::Row || verb == Verb::Type || verb == Verb::Snap;
}

void requireActable(const Command& c, const platform::Catalogue& catalogue, bool& started) {
    require(c.line >= 1, "a line number from 1");
    if (hasTarget(c.verb)) {
        const std::size_t limit = c.target.isWindow ? catalogue.windows.size() : catalogue.controls.size();
        require(static_cast<std::size_t>(c.target.id) < limit, "a target in the catalogue");
    }
    require(c.position >= 0, "an item or row number from 0");
    require((c.verb != Verb::Type && c.verb != Verb::Snap) || c.text.has_value(), "a text to type or a file name");
    require(c.verb != Verb::Show || !c.shown.empty(), "something to show");
    require(!(c.verb == Verb::Start && started), "one start");
    require(started || c.verb == Verb::Start || c.verb == Verb::AnswerInput || c.verb == Verb::AnswerSave ||
                c.verb == Verb::Clock,
            "only answers and the clock before start");
    started = started || c.verb == Verb::Start;
}

} // namespace

void fuzzScript(std::string_view bytes) {
    const platform::Catalogue& catalogue = ui::catalogue();
    const Script script = parseScript(bytes, catalogue);
    require(!script.error || (script.error->line >= 1 && !script.error->message.empty()), "an error that says where");
    bool started = false;
    for (const Command& c : script.commands)
        requireActable(c, catalogue, started);

    const std::string written = scriptText(script.commands, catalogue);
    const Script again = parseScript(written, catalogue);
    require(!again.error, "the commands written back parse");
    require(scriptText(again.commands, catalogue) == written, "the commands written back parse to themselves");
}

} // namespace kedravo::script::test
