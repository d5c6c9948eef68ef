#pragma once

#include <functional>
#include <vector>

namespace vostrel::gui {

// Moving the keyboard focus through the 5 x 4 grid of a button-field page.
// The core knows nothing of focus; this is the window's own business, read
// off the page layout of the catalogue.

enum class GridStep { Left, Right, Up, Down };

// Whether command button `button` can take the focus now (shown and enabled).
using CanFocus = std::function<bool(int button)>;

// The command button an arrow key moves to from `button`: the nearest button
// in that direction, in the same row or column of the same page, that can take
// the focus; empty cells and buttons that cannot are passed over. At the edge
// of the page the focus stays where it is rather than wrapping round, so that
// someone who cannot see the grid can feel for its edges by pressing on.
// Returns `button` itself when nothing lies that way, and 0 for an index that
// is no command button.
int gridNeighbour(int button, GridStep step, const CanFocus& canFocus);

// The buttons of page `page` (0..6) in reading order: rows top to bottom,
// each from left to right. Empty for a page out of range.
std::vector<int> buttonsInReadingOrder(int page);

// The first button of `page` in reading order that can take the focus; 0 when none can.
int firstFocusableButton(int page, const CanFocus& canFocus);

// The same walk over the places of the preview, `count` places filled row by
// row into `columns` columns: the nearest place that way that can take the
// focus, or `place` itself at the edge.
int placeNeighbour(int place, int columns, int count, GridStep step, const CanFocus& canFocus);

}  // namespace vostrel::gui
