// Where a hover label of the icon bar may be drawn: the pixels under it are
// saved first, into rows of HOVER_SAVE_WIDTH entries, so a label is never
// larger than what can be saved (a substituted font may be wider).
#pragma once

enum {
    HOVER_SAVE_WIDTH = 130,  // saved pixels a row
    HOVER_SAVE_ROWS = 32     // saved rows
};

// A rectangle whose right and bottom edges belong to it (pixels left..right, top..bottom).
struct LabelBox {
    int left, top, right, bottom;
};

// The label's box cut to the saved size from its top-left corner; an empty
// or inverted box stays as it is.
inline LabelBox savable_label_box(LabelBox box)
{
    if (box.right - box.left + 1 > HOVER_SAVE_WIDTH)
        box.right = box.left + HOVER_SAVE_WIDTH - 1;
    if (box.bottom - box.top + 1 > HOVER_SAVE_ROWS)
        box.bottom = box.top + HOVER_SAVE_ROWS - 1;
    return box;
}
