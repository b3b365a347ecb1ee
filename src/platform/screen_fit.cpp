#include "platform/screen_fit.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace kedravo::platform {
namespace {

bool contains(const Area& area, int x, int y) {
    return x >= area.left && x < area.left + area.width && y >= area.top && y < area.top + area.height;
}

// The window cut at every edge of every area: each cell lies wholly inside or wholly outside each area, so its
// centre decides. Doubled coordinates keep the centres whole.
bool coveredWhole(const Area& window, std::span<const Area> areas) {
    const int right = window.left + window.width;
    const int bottom = window.top + window.height;
    std::vector<int> xs{window.left, right};
    std::vector<int> ys{window.top, bottom};
    for (const Area& area : areas) {
        for (int x : {area.left, area.left + area.width})
            if (x > window.left && x < right)
                xs.push_back(x);
        for (int y : {area.top, area.top + area.height})
            if (y > window.top && y < bottom)
                ys.push_back(y);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (std::size_t i = 0; i + 1 < xs.size(); ++i)
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            if (xs[i] == xs[i + 1] || ys[j] == ys[j + 1])
                continue;
            const auto inside = [&](const Area& a) {
                Area doubled{2 * a.left, 2 * a.top, 2 * a.width, 2 * a.height};
                return contains(doubled, xs[i] + xs[i + 1], ys[j] + ys[j + 1]);
            };
            if (std::none_of(areas.begin(), areas.end(), inside))
                return false;
        }
    return true;
}

std::int64_t overlap(int start, int length, int areaStart, int areaLength) {
    return std::max(0, std::min(start + length, areaStart + areaLength) - std::max(start, areaStart));
}

// How far the window lies beside the area along one axis; 0 when they overlap or touch.
std::int64_t gap(int start, int length, int areaStart, int areaLength) {
    return std::max({0, areaStart - (start + length), start - (areaStart + areaLength)});
}

// The nearer area first; of areas as near, the one that shows more of the window.
bool nearer(const Area& window, const Area& a, const Area& b) {
    const auto distance = [&](const Area& area) {
        const std::int64_t dx = gap(window.left, window.width, area.left, area.width);
        const std::int64_t dy = gap(window.top, window.height, area.top, area.height);
        return dx * dx + dy * dy;
    };
    const auto shown = [&](const Area& area) {
        return overlap(window.left, window.width, area.left, area.width) *
               overlap(window.top, window.height, area.top, area.height);
    };
    if (distance(a) != distance(b))
        return distance(a) < distance(b);
    return shown(a) > shown(b);
}

int clampedStart(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

Position fittedPosition(const Area& window, std::span<const Area> areas) {
    if (areas.empty() || coveredWhole(window, areas))
        return {window.left, window.top};
    const Area& area = *std::min_element(areas.begin(), areas.end(),
                                         [&](const Area& a, const Area& b) { return nearer(window, a, b); });
    return {clampedStart(window.left, window.width, area.left, area.width),
            clampedStart(window.top, window.height, area.top, area.height)};
}

} // namespace kedravo::platform
