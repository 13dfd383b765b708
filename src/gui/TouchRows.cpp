#include "gui/TouchRows.h"

#include <algorithm>
#include <numeric>

namespace vantor {
namespace {

// The least gap left between two rows squeezed together, in pixels.
constexpr int kLeastGap = 2;

struct Row {
    int top = 0;
    int bottom = 0;
    int need = 0;  // the height it must have
    std::vector<std::size_t> members;
    int newTop = 0;
    int Height() const { return bottom - top; }
};

// Controls overlapping by more than half of the smaller height sit side by side.
std::vector<Row> Rows(const std::vector<RowItem>& items, int touch) {
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&items](std::size_t a, std::size_t b) {
        return items[a].rect.top() < items[b].rect.top();
    });
    std::vector<Row> rows;
    for (std::size_t index : order) {
        const QRect& rect = items[index].rect;
        const int bottom = rect.top() + rect.height();
        if (rows.empty() ||
            rect.top() >= rows.back().bottom - std::min(rect.height(), rows.back().Height()) / 2) {
            rows.push_back(Row{rect.top(), bottom, rect.height(), {}});
        }
        Row& row = rows.back();
        row.bottom = std::max(row.bottom, bottom);
        row.need = std::max(row.Height(), row.need);
        if (items[index].tapped) {
            row.need = std::max(row.need, touch);
        }
        row.members.push_back(index);
    }
    return rows;
}

// Each row as near its own middle as the row above lets it be.
void PlaceRows(std::vector<Row>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Row& row = rows[i];
        if (i == 0) {
            row.newTop = row.top;  // never over the frame's caption
            continue;
        }
        const Row& above = rows[i - 1];
        const int gap = std::min(row.top - above.bottom, kLeastGap);
        row.newTop =
            std::max(row.top - (row.need - row.Height()) / 2, above.newTop + above.need + gap);
    }
}

// Rows running past the frame's bottom margin close their gaps, from the
// lowest upwards, down to the least gap.
void PullUp(std::vector<Row>& rows, int limit) {
    int excess = rows.back().newTop + rows.back().need - limit;
    for (std::size_t i = rows.size() - 1; i > 0 && excess > 0; --i) {
        const int room = rows[i].newTop - (rows[i - 1].newTop + rows[i - 1].need) - kLeastGap;
        const int shift = std::clamp(room, 0, excess);
        for (std::size_t j = i; j < rows.size(); ++j) {
            rows[j].newTop -= shift;
        }
        excess -= shift;
    }
}

// A control keeps its offset from the row's middle, inside the row; a tapped
// one narrower than a fingertip widens about its middle, inside the frame.
QRect Placed(const RowItem& item, const Row& row, int frameWidth, int touch) {
    const int height = item.tapped ? std::max(item.rect.height(), touch) : item.rect.height();
    const int offset = (2 * item.rect.top() + item.rect.height()) - (row.top + row.bottom);
    int top = row.newTop + (row.need - height + offset) / 2;
    top = std::clamp(top, row.newTop, row.newTop + row.need - height);
    int left = item.rect.left();
    int width = item.rect.width();
    if (item.tapped && width < touch) {
        left = std::clamp(left - (touch - width) / 2, 0, std::max(0, frameWidth - touch));
        width = touch;
    }
    return QRect(left, top, width, height);
}

bool IsSmall(const RowItem& item, int touch) {
    return item.tapped && (item.rect.height() < touch || item.rect.width() < touch);
}

}  // namespace

RowFit FitRowsForFinger(const std::vector<RowItem>& items, QSize frame, int touch) {
    const int frameHeight = frame.height();
    RowFit fit;
    fit.height = frameHeight;
    const bool small = std::any_of(items.begin(), items.end(),
                                   [touch](const RowItem& item) { return IsSmall(item, touch); });
    if (!small) {
        for (const RowItem& item : items) {
            fit.rects.push_back(item.rect);
        }
        return fit;
    }
    // What lies below the frame's bottom edge is out of sight (a folded panel):
    // it stays where it is and does not make the frame grow.
    std::vector<RowItem> inside;
    std::vector<std::size_t> indexes;
    fit.rects.resize(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        fit.rects[i] = items[i].rect;
        if (items[i].rect.top() < frameHeight) {
            inside.push_back(items[i]);
            indexes.push_back(i);
        }
    }
    if (inside.empty()) {
        return fit;
    }
    std::vector<Row> rows = Rows(inside, touch);
    PlaceRows(rows);
    const int margin = std::clamp(frameHeight - rows.back().bottom, 0, kLeastGap);
    PullUp(rows, frameHeight - margin);
    fit.height = std::max(frameHeight, rows.back().newTop + rows.back().need + margin);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].rect.top() >= frameHeight) {
            fit.rects[i].translate(0, fit.height - frameHeight);  // still out of sight
        }
    }
    for (const Row& row : rows) {
        for (std::size_t member : row.members) {
            fit.rects[indexes[member]] = Placed(inside[member], row, frame.width(), touch);
        }
    }
    return fit;
}

}  // namespace vantor
