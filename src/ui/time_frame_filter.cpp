#include "ui/time_frame_filter.h"

namespace kedravo::ui {

void fillTimeFrameFilter(Context& c, int filter) {
    const int page = c.t.CUR_PAGE;
    c.toolkit.clear(filter);
    c.toolkit.addItem(filter, "全部");
    for (int i = 0; i < c.t.TF_COUNT[page]; ++i)
        c.toolkit.addItem(filter, c.t.TF_NAME[page][i]);
    c.toolkit.setSelected(filter, 0);
}

} // namespace kedravo::ui
