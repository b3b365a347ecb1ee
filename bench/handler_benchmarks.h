#pragma once
// The handlers at full load, each measured alone on one toolkit backend. A Backend holds `kit`, a toolkit that
// also takes the user's actions, and `settle()`, which lets the toolkit finish what a handler left to do on
// screen; the measured time includes it.
#include "core/line_break.h"
#include "full_load_session.h"
#include "ui/controls.h"
#include "ui/line_display.h"

#include <benchmark/benchmark.h>
#include <string>

namespace kedravo::bench {

using platform::Event;

// Skips the benchmark unless `control` lists `rows` rows: a measurement of the wrong state is worse than none.
inline bool expectRows(benchmark::State& state, platform::Toolkit& kit, int control, int rows) {
    if (kit.itemCount(control) == rows)
        return true;
    state.SkipWithError(
        ("list " + std::to_string(control) + " does not show " + std::to_string(rows) + " rows").c_str());
    return false;
}

// Each iteration does `prepare` untimed (false ends the run), then times `control`'s `event` and the settling
// after it.
template <class Backend, class Prepare>
void timeEvents(benchmark::State& state, Backend& backend, FullLoadSession& s, int control, Event event,
                Prepare prepare) {
    for (auto _ : state) {
        state.PauseTiming();
        const bool ready = prepare();
        state.ResumeTiming();
        if (!ready)
            break;
        s.raise(control, event);
        backend.settle();
    }
}

// The refresh after any change of lines, with the main window and the three list windows showing 300 rows.
template <class Backend> void LISTSET_SUB_benchmark(benchmark::State& state) {
    Backend backend;
    FullLoadSession s(backend.kit);
    s.openListWindows();
    if (!expectRows(state, backend.kit, ui::LIST1, LINE_MAX))
        return;
    for (auto _ : state) {
        ui::LISTSET_SUB(s.context());
        backend.settle();
    }
}

// Registering a price that crossed every line: 300 counts raised, then the refresh.
template <class Backend> void BUTTON3_ON_benchmark(benchmark::State& state) {
    Backend backend;
    FullLoadSession s(backend.kit);
    s.openListWindows();
    timeEvents(state, backend, s, ui::BUTTON3, Event::On, [&] {
        s.restorePage();
        backend.settle();
        return expectRows(state, backend.kit, ui::LIST1, LINE_MAX);
    });
}

// Deleting every other row of LIST2, 150 of 300 lines.
template <class Backend> void BUTTON12_ON_benchmark(benchmark::State& state) {
    Backend backend;
    FullLoadSession s(backend.kit);
    s.openListWindows();
    timeEvents(state, backend, s, ui::BUTTON12, Event::On, [&] {
        s.restorePage();
        for (int row = 0; row < LINE_MAX; row += 2)
            backend.kit.clickRow(ui::LIST2, row);
        backend.settle();
        return true;
    });
    if (s.tables().LINE_COUNT[0] != LINE_MAX / 2)
        state.SkipWithError("not half of the lines deleted");
}

// Registering the page settings with the twenty time-frame names reversed: every one of the 300 lines moves.
template <class Backend> void BUTTON8_ON_benchmark(benchmark::State& state) {
    Backend backend;
    FullLoadSession s(backend.kit);
    s.raise(ui::BUTTON10, Event::On);
    const std::int16_t firstLineFrame = s.tables().LINE_TF[0][0];
    timeEvents(state, backend, s, ui::BUTTON8, Event::On, [&] {
        std::string reversed;
        for (int j = TF_MAX - 1; j >= 0; --j)
            reversed.append(s.tables().TF_NAME[0][j]).append(LINE_BREAK);
        backend.kit.setText(ui::EDIT7, reversed);
        backend.settle();
        return true;
    });
    if (state.iterations() % 2 == 1 && s.tables().LINE_TF[0][0] != TF_MAX - 1 - firstLineFrame)
        state.SkipWithError("the lines did not follow their time frames");
}

// Registering the 300th line, with every list window open.
template <class Backend> void BUTTON6_ON_benchmark(benchmark::State& state) {
    Backend backend;
    FullLoadSession s(backend.kit);
    s.openListWindows();
    s.restorePage(LINE_MAX - 1);
    s.raise(ui::BUTTON1, Event::On);
    backend.kit.setText(ui::EDIT5, "110.5");
    timeEvents(state, backend, s, ui::BUTTON6, Event::On, [&] {
        s.restorePage(LINE_MAX - 1);
        backend.kit.setEnabled(ui::BUTTON6, true);
        backend.settle();
        return true;
    });
    if (s.tables().LINE_COUNT[0] != LINE_MAX)
        state.SkipWithError("no line registered");
}

// Taking back a registration that raised all 300 counts, with every list window open: the tables restored, the
// refresh, the update window started over and the save.
template <class Backend> void UNDO_ON_benchmark(benchmark::State& state) {
    Backend backend;
    FullLoadSession s(backend.kit);
    s.openListWindows();
    s.raise(ui::BUTTON3, Event::On);
    for (auto _ : state) {
        s.raise(ui::MAINFORM, Event::Undo);
        backend.settle();
        state.PauseTiming();
        if (s.context().history.redoName().empty())
            state.SkipWithError("nothing taken back");
        s.raise(ui::MAINFORM, Event::Redo);
        backend.settle();
        state.ResumeTiming();
    }
}

// Switching the main window between two full pages; the selector is usable only with no secondary window open.
template <class Backend> void COMBO1_CHANGE_benchmark(benchmark::State& state) {
    Backend backend;
    FullLoadSession s(backend.kit);
    timeEvents(state, backend, s, ui::COMBO1, Event::Change, [&] {
        backend.kit.setSelected(ui::COMBO1, 1 - backend.kit.selected(ui::COMBO1));
        return true;
    });
    if (s.tables().LINE_COUNT[s.tables().CUR_PAGE] != LINE_MAX)
        state.SkipWithError("not a full page");
}

template <class Backend> void registerHandlerBenchmarks(const std::string& backend) {
    const struct {
        const char* name;
        void (*run)(benchmark::State&);
    } handlers[] = {
        {"LISTSET_SUB", LISTSET_SUB_benchmark<Backend>}, {"BUTTON3_ON", BUTTON3_ON_benchmark<Backend>},
        {"BUTTON12_ON", BUTTON12_ON_benchmark<Backend>}, {"BUTTON8_ON", BUTTON8_ON_benchmark<Backend>},
        {"BUTTON6_ON", BUTTON6_ON_benchmark<Backend>},   {"COMBO1_CHANGE", COMBO1_CHANGE_benchmark<Backend>},
        {"UNDO_ON", UNDO_ON_benchmark<Backend>},
    };
    for (const auto& h : handlers)
        benchmark::RegisterBenchmark((std::string(h.name) + "/" + backend).c_str(), h.run)
            ->Unit(benchmark::kMicrosecond);
}

} // namespace kedravo::bench
