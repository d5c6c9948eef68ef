#pragma once

#include <array>

namespace vostrel::catalogue {

inline constexpr int kButtonPageCount = 7;
inline constexpr int kGridColumns = 5;
inline constexpr int kGridRows = 4;
inline constexpr int kCellTwips = 1200;
inline constexpr int kPageWidthTwips = 6015;
inline constexpr int kPageHeightTwips = 4875;
inline constexpr int kPictureHeightTwips = 750;
inline constexpr int kCaptionTopTwips = 720;
inline constexpr int kCaptionHeightTwips = 450;

// Where a command button sits: page 0..6, row and column 1-based.
struct Cell {
    int page = -1;
    int row = 0;
    int column = 0;
};

// The button index (1..114) in each cell of each page; 0 marks an empty cell.
using PageGrid = std::array<std::array<int, kGridColumns>, kGridRows>;
extern const std::array<PageGrid, kButtonPageCount> kButtonPages;

// The cell of command button `index` (1..114); page -1 for index 0.
Cell cellOf(int index);

}  // namespace vostrel::catalogue
