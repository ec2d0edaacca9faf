#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "notebook/HtmlLayout.h"

namespace vesk {

// How a row's text is drawn.
inline constexpr int HTMLLIST_STYLE_HTML = 1;  // mini-HTML, word-wrapped
inline constexpr int HTMLLIST_STYLE_TEXT = 2;  // plain text, word-wrapped
inline constexpr int HTMLLIST_STYLE_PATH = 3;  // one line, shortened like a file path

// One row of the list.
struct HTMLLIST_ITEM {
    std::u16string text;
    std::int32_t height = 0;
    int style = HTMLLIST_STYLE_HTML;
    std::uintptr_t itemData = 0;
    bool checked = false;
    // The caller gave the height; such rows are never measured.
    bool fixedHeight = false;
    // Into the caller's image list.
    int image = 0;
    // Mini-HTML rows as measured, so painting only draws.
    HtmlLayout layout;
};

// The rows of the list in display order, numbered 0..n-1, with where each
// one lies when they are stacked from y = 0.
class HtmlListRows {
public:
    // Appends the row; returns its index.
    int Append(HTMLLIST_ITEM row);
    // False when no row has the index; the rows after it move up one index.
    bool Erase(int index);
    void Clear();

    int Count() const { return static_cast<int>(rows_.size()); }
    // Null when no row has the index.
    HTMLLIST_ITEM* Find(int index);
    const HTMLLIST_ITEM* Find(int index) const;

    std::int32_t TotalHeight() const { return bottoms_.empty() ? 0 : bottoms_.back(); }
    std::int32_t Top(int index) const { return index > 0 ? bottoms_[index - 1] : 0; }
    // The row that covers y, or -1.
    int RowAt(std::int32_t y) const;
    // The scroll position nearest to the given one at which the whole row
    // shows in a view of that height.
    std::int32_t PositionShowing(int index, std::int32_t position, std::int32_t viewHeight) const;

    void SetHeight(int index, std::int32_t height);
    // Lays every row out again with measure, which returns the row's height;
    // rows of fixed height keep theirs.
    template <typename Measure>
    void Remeasure(Measure measure) {
        for (HTMLLIST_ITEM& row : rows_) {
            const std::int32_t height = measure(row);
            if (!row.fixedHeight) {
                row.height = height;
            }
        }
        StackFrom(0);
    }

private:
    void StackFrom(std::size_t index);

    std::vector<HTMLLIST_ITEM> rows_;
    // The y below each row.
    std::vector<std::int32_t> bottoms_;
};

}  // namespace vesk
