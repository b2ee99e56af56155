// The process-wide strip of small 9 x 9 glyphs (arrows, check mark, radio dot, caption
// and chevron marks) that menus, caption buttons, spin and tab buttons draw with, in one
// of five colours.
#pragma once
#include <afxwin.h>

class CGTMenuGlyphs {
public:
    // Glyph numbers of the strip.
    enum Glyph {
        ArrowDown = 0,
        ArrowRight = 1,
        CheckMark = 2,
        Minimize = 3,
        Restore = 4,
        Close = 5,
        Maximize = 6,
        ArrowUp = 7,
        DoubleArrowDown = 8,
        ArrowLeft = 9,
        DoubleArrowRight = 10,
        DoubleArrowLeft = 11,
        RadioDot = 12,
        TriangleDown = 13,
        TriangleRight = 14,
        PinPinned = 15,
        PinUnpinned = 16,
        TriangleLeft = 17,
        ScrollFirst = 18,
        ScrollLast = 19,
        CloseSmall = 20,
        ListArrow = 21,
        ArrowLeftSmall = 22,
        ArrowRightSmall = 23,
        TriangleUp = 24,
        DoubleArrowUp = 25,
        Minus = 26,
        Expand = 27,
        Collapse = 28,
        ChevronHorizontal = 29,
        ChevronVertical = 30,
        CustomizeHorizontal = 31,
        CustomizeVertical = 32,
        CloseBold = 33,
        GlyphCount
    };

    // Colour styles.
    enum Style {
        Black = 0,
        Grey = 1,
        LightGrey = 2,
        White = 3,
        DarkGrey = 4,
    };

    // Builds the strip once; TRUE when it is ready.
    static BOOL Initialize();
    // Frees the strip; the next use builds it again.
    static void CleanUp();
    static CSize GetSize();
    // Draws a glyph with its top-left corner at point, scaled to size (0 x 0: 9 x 9).
    // Unknown glyph numbers draw nothing.
    static void Draw(CDC* dc, int glyph, CPoint point, int style = Black, CSize size = CSize(0, 0));
    // Draws a glyph centred in rect.
    static void DrawCentered(CDC* dc, int glyph, const CRect& rect, int style = Black);
    static COLORREF StyleColor(int style);
};
