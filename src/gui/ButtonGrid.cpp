#include "gui/ButtonGrid.h"

#include "catalogue/ButtonPages.h"

namespace vostrel::gui {

int gridNeighbour(int button, GridStep step, const CanFocus& canFocus) {
    const catalogue::Cell cell = catalogue::cellOf(button);
    if (cell.page < 0) return 0;
    const auto& grid = catalogue::kButtonPages[static_cast<std::size_t>(cell.page)];
    int row = cell.row - 1;
    int column = cell.column - 1;
    const int rowStep = step == GridStep::Up ? -1 : step == GridStep::Down ? 1 : 0;
    const int columnStep = step == GridStep::Left ? -1 : step == GridStep::Right ? 1 : 0;
    for (;;) {
        row += rowStep;
        column += columnStep;
        if (row < 0 || row >= catalogue::kGridRows || column < 0 || column >= catalogue::kGridColumns)
            return button;
        const int candidate = grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        if (candidate != 0 && canFocus(candidate)) return candidate;
    }
}

std::vector<int> buttonsInReadingOrder(int page) {
    std::vector<int> buttons;
    if (page < 0 || page >= catalogue::kButtonPageCount) return buttons;
    for (const auto& row : catalogue::kButtonPages[static_cast<std::size_t>(page)])
        for (const int button : row)
            if (button != 0) buttons.push_back(button);
    return buttons;
}

int firstFocusableButton(int page, const CanFocus& canFocus) {
    for (const int button : buttonsInReadingOrder(page))
        if (canFocus(button)) return button;
    return 0;
}

int placeNeighbour(int place, int columns, int count, GridStep step, const CanFocus& canFocus) {
    if (place < 0 || place >= count || columns <= 0) return place;
    const int rows = (count + columns - 1) / columns;
    int row = place / columns;
    int column = place % columns;
    const int rowStep = step == GridStep::Up ? -1 : step == GridStep::Down ? 1 : 0;
    const int columnStep = step == GridStep::Left ? -1 : step == GridStep::Right ? 1 : 0;
    for (;;) {
        row += rowStep;
        column += columnStep;
        if (row < 0 || row >= rows || column < 0 || column >= columns) return place;
        const int candidate = row * columns + column;
        if (candidate < count && canFocus(candidate)) return candidate;
    }
}

}  // namespace vostrel::gui
