#include "catalogue/ButtonPages.h"

namespace vostrel::catalogue {

// The commands are grouped by what a driver looks for together: driving and
// routing first, then settings, downloads, route display and SDK, help and
// traffic, commands under test, and the commands of the DOD6 software.
const std::array<PageGrid, kButtonPageCount> kButtonPages = {{
    {{{35, 29, 3, 39, 84}, {74, 2, 73, 0, 15}, {75, 72, 63, 51, 98}, {23, 31, 6, 8, 64}}},
    {{{52, 53, 58, 59, 60}, {41, 43, 70, 24, 55}, {32, 46, 49, 56, 50}, {57, 62, 54, 4, 5}}},
    {{{48, 7, 61, 47, 40}, {76, 36, 37, 14, 1}, {28, 42, 10, 13, 12}, {9, 11, 0, 0, 68}}},
    {{{33, 65, 66, 67, 69}, {25, 26, 27, 0, 85}, {86, 87, 88, 99, 100}, {71, 45, 44, 30, 0}}},
    {{{16, 83, 22, 17, 18}, {19, 20, 0, 0, 0}, {81, 77, 80, 79, 78}, {82, 21, 34, 0, 0}}},
    {{{89, 38, 0, 0, 0}, {90, 91, 92, 93, 94}, {95, 96, 97, 0, 0}, {0, 0, 0, 0, 0}}},
    {{{101, 102, 103, 104, 105}, {106, 107, 108, 109, 110}, {111, 112, 113, 114, 0}, {0, 0, 0, 0, 0}}},
}};

Cell cellOf(int index) {
    for (int page = 0; page < kButtonPageCount; ++page)
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column)
                if (index != 0 && kButtonPages[page][row][column] == index)
                    return Cell{page, row + 1, column + 1};
    return Cell{};
}

}  // namespace vostrel::catalogue
