#include "ui/time_frame_map.h"

#include "lines/line_lists.h"

#include <cassert>

namespace kedravo::ui {
namespace {

// A line keeps its position when it still exists in the new list, and goes to the first time frame otherwise:
// a line pointing past the list would show an empty name and no filter could reach it.
std::int16_t existingPosition(const Tables& t, int q, int position) {
    return static_cast<std::int16_t>(position >= 0 && position < t.TF_COUNT[q] ? position : 0);
}

// The last new name equal to old name i wins; an old name without an equal keeps its position.
void mapOldTimeFrames(Tables& t, int q) {
    for (int i = 0; i < t.TMP_TF_COUNT[q]; ++i) {
        int to = i;
        if (t.TMP_TF_NAME[q][i] != t.TF_NAME[q][i])
            for (int j = 0; j < t.TF_COUNT[q]; ++j)
                if (t.TMP_TF_NAME[q][i] == t.TF_NAME[q][j])
                    to = j;
        t.TMP_TF_MAP[q][i] = existingPosition(t, q, to);
    }
}

// Only a hand-edited file puts a line outside the old list; it is placed as an old name without an equal.
std::int16_t newTimeFrame(const Tables& t, int q, int old) {
    return old >= 0 && old < t.TMP_TF_COUNT[q] ? t.TMP_TF_MAP[q][old] : existingPosition(t, q, old);
}

void deleteAllLines(Tables& t, int q) {
    for (int l = 0; l < t.LINE_COUNT[q]; ++l)
        markForDeletion(t, q, l);
    compactLines(t, q);
}

} // namespace

void carryLinesOver(Tables& t, int q) {
    assert(q >= 0 && q < PAGE_MAX);
    if (t.TF_COUNT[q] == 0) {
        deleteAllLines(t, q);
        return;
    }
    mapOldTimeFrames(t, q);
    for (int l = 0; l < t.LINE_COUNT[q]; ++l)
        t.LINE_TF[q][l] = newTimeFrame(t, q, t.LINE_TF[q][l]);
}

} // namespace kedravo::ui
