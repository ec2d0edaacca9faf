#include "notebook/HtmlListRows.h"

#include <algorithm>

namespace vesk {

int HtmlListRows::Append(HTMLLIST_ITEM row) {
    bottoms_.push_back(TotalHeight() + row.height);
    rows_.push_back(std::move(row));
    return Count() - 1;
}

bool HtmlListRows::Erase(int index) {
    if (Find(index) == nullptr) {
        return false;
    }
    rows_.erase(rows_.begin() + index);
    bottoms_.pop_back();
    StackFrom(index);
    return true;
}

void HtmlListRows::Clear() {
    rows_.clear();
    bottoms_.clear();
}

HTMLLIST_ITEM* HtmlListRows::Find(int index) {
    return index >= 0 && index < Count() ? &rows_[index] : nullptr;
}

const HTMLLIST_ITEM* HtmlListRows::Find(int index) const {
    return index >= 0 && index < Count() ? &rows_[index] : nullptr;
}

int HtmlListRows::RowAt(std::int32_t y) const {
    if (y < 0) {
        return -1;
    }
    const auto below = std::upper_bound(bottoms_.begin(), bottoms_.end(), y);
    return below == bottoms_.end() ? -1 : static_cast<int>(below - bottoms_.begin());
}

std::int32_t HtmlListRows::PositionShowing(int index, std::int32_t position,
                                           std::int32_t viewHeight) const {
    const HTMLLIST_ITEM* row = Find(index);
    if (row == nullptr) {
        return position;
    }
    const std::int32_t top = Top(index);
    if (top < position) {
        return top;
    }
    if (top + row->height > position + viewHeight) {
        return top + row->height - viewHeight;
    }
    return position;
}

void HtmlListRows::SetHeight(int index, std::int32_t height) {
    if (HTMLLIST_ITEM* row = Find(index)) {
        row->height = height;
        StackFrom(index);
    }
}

void HtmlListRows::StackFrom(std::size_t index) {
    std::int32_t y = index > 0 ? bottoms_[index - 1] : 0;
    for (std::size_t i = index; i < rows_.size(); ++i) {
        y += rows_[i].height;
        bottoms_[i] = y;
    }
}

}  // namespace vesk
