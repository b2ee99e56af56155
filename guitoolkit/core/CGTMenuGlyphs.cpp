#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitHooks.h>

namespace {
const int glyphSize = 9;

// The strip's glyphs, one per glyph number, drawn as 9 rows of 9 cells ('#' is ink).
const char* const glyphArt[CGTMenuGlyphs::GlyphCount][glyphSize] = {
    // ArrowDown
    {".........", ".........", ".........", ".#######.", "..#####..", "...###...", "....#....", ".........",
     "........."},
    // ArrowRight
    {".........", "...#.....", "...##....", "...###...", "...####..", "...###...", "...##....", "...#.....",
     "........."},
    // CheckMark
    {".........", ".......#.", "......##.", ".#...###.", ".##.###..", ".#####...", "..###....", "...#.....",
     "........."},
    // Minimize
    {".........", ".........", ".........", ".........", ".........", ".........", ".######..", ".######..",
     "........."},
    // Restore
    {"...######", "...######", "...#....#", ".######.#", ".######.#", ".#....###", ".#....#..", ".#....#..",
     ".######.."},
    // Close
    {".........", ".##...##.", "..##.##..", "...###...", "...###...", "..##.##..", ".##...##.", ".........",
     "........."},
    // Maximize
    {"#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#", "#########",
     "........."},
    // ArrowUp
    {".........", ".........", "....#....", "...###...", "..#####..", ".#######.", ".........", ".........",
     "........."},
    // DoubleArrowDown
    {".........", ".#.....#.", "..#...#..", "...#.#...", "....#....", ".#.....#.", "..#...#..", "...#.#...",
     "....#...."},
    // ArrowLeft
    {".........", ".....#...", "....##...", "...###...", "..####...", "...###...", "....##...", ".....#...",
     "........."},
    // DoubleArrowRight
    {".........", ".#...#...", "..#...#..", "...#...#.", "....#...#", "...#...#.", "..#...#..", ".#...#...",
     "........."},
    // DoubleArrowLeft
    {".........", "...#...#.", "..#...#..", ".#...#...", "#...#....", ".#...#...", "..#...#..", "...#...#.",
     "........."},
    // RadioDot
    {".........", ".........", "...###...", "..#####..", "..#####..", "..#####..", "...###...", ".........",
     "........."},
    // TriangleDown
    {".........", ".........", "#########", ".#######.", "..#####..", "...###...", "....#....", ".........",
     "........."},
    // TriangleRight
    {"..#......", "..##.....", "..###....", "..####...", "..#####..", "..####...", "..###....", "..##.....",
     "..#......"},
    // PinPinned
    {"..#####..", "..#..##..", "..#..##..", "..#..##..", ".#######.", "....#....", "....#....", "....#....",
     "........."},
    // PinUnpinned
    {".........", "....#....", "....#####", "....#...#", "#####...#", "....#####", "....#####", "....#....",
     "........."},
    // TriangleLeft
    {"......#..", ".....##..", "....###..", "...####..", "..#####..", "...####..", "....###..", ".....##..",
     "......#.."},
    // ScrollFirst
    {".........", ".#....#..", ".#...##..", ".#..###..", ".#.####..", ".#..###..", ".#...##..", ".#....#..",
     "........."},
    // ScrollLast
    {".........", "..#....#.", "..##...#.", "..###..#.", "..####.#.", "..###..#.", "..##...#.", "..#....#.",
     "........."},
    // CloseSmall
    {".........", ".........", "..#...#..", "...#.#...", "....#....", "...#.#...", "..#...#..", ".........",
     "........."},
    // ListArrow
    {".........", ".#######.", ".........", ".#######.", "..#####..", "...###...", "....#....", ".........",
     "........."},
    // ArrowLeftSmall
    {".........", ".........", ".....#...", "....##...", "...###...", "....##...", ".....#...", ".........",
     "........."},
    // ArrowRightSmall
    {".........", ".........", "...#.....", "...##....", "...###...", "...##....", "...#.....", ".........",
     "........."},
    // TriangleUp
    {".........", ".........", "....#....", "...###...", "..#####..", ".#######.", "#########", ".........",
     "........."},
    // DoubleArrowUp
    {"....#....", "...#.#...", "..#...#..", ".#.....#.", "....#....", "...#.#...", "..#...#..", ".#.....#.",
     "........."},
    // Minus
    {".........", ".........", ".........", ".........", ".#######.", ".........", ".........", ".........",
     "........."},
    // Expand
    {".........", ".#######.", ".#######.", ".#.....#.", ".#.....#.", ".#.....#.", ".#######.", ".........",
     "........."},
    // Collapse
    {".........", "...#####.", "...#####.", ".#####..#", ".#####..#", ".#...####", ".#...#...", ".#####...",
     "........."},
    // ChevronHorizontal
    {".........", ".........", "##..##...", ".##..##..", "..##..##.", ".##..##..", "##..##...", ".........",
     "........."},
    // ChevronVertical
    {"..#...#..", "..##.##..", "...###...", "....#....", "..#...#..", "..##.##..", "...###...", "....#....",
     "........."},
    // CustomizeHorizontal
    {".........", ".........", ".#####...", ".........", ".#####...", "..###....", "...#.....", ".........",
     "........."},
    // CustomizeVertical
    {".........", ".........", ".#.#.....", ".#.##....", ".#.###...", ".#.##....", ".#.#.....", ".........",
     "........."},
    // CloseBold
    {".........", ".##...##.", ".###.###.", "..#####..", "...###...", "..#####..", ".###.###.", ".##...##.",
     "........."},
};

CBitmap& Strip()
{
    static CBitmap strip;
    return strip;
}

// A monochrome strip: 0 bits are ink, 1 bits the background, one glyph after the other.
BOOL BuildStrip()
{
    const int width = glyphSize * CGTMenuGlyphs::GlyphCount;
    const int stride = ((width + 15) / 16) * 2;
    BYTE bits[stride * glyphSize];
    FillMemory(bits, sizeof(bits), 0xFF);
    for (int glyph = 0; glyph < CGTMenuGlyphs::GlyphCount; ++glyph)
        for (int y = 0; y < glyphSize; ++y)
            for (int x = 0; x < glyphSize; ++x)
                if (glyphArt[glyph][y][x] == '#') {
                    const int column = glyph * glyphSize + x;
                    bits[y * stride + column / 8] &= static_cast<BYTE>(~(0x80 >> (column % 8)));
                }
    return Strip().CreateBitmap(width, glyphSize, 1, 1, bits);
}

const bool cleanUpInstalled = (SetGuiToolkitHook(GTModuleHook::MenuGlyphsCleanUp, &CGTMenuGlyphs::CleanUp), true);
}  // namespace

BOOL CGTMenuGlyphs::Initialize()
{
    (void)cleanUpInstalled;
    return Strip().GetSafeHandle() != nullptr || BuildStrip();
}

void CGTMenuGlyphs::CleanUp()
{
    Strip().DeleteObject();
}

CSize CGTMenuGlyphs::GetSize()
{
    return CSize(glyphSize, glyphSize);
}

COLORREF CGTMenuGlyphs::StyleColor(int style)
{
    switch (style) {
    case Black:
        return RGB(0, 0, 0);
    case Grey:
        return RGB(128, 128, 128);
    case DarkGrey:
        return RGB(72, 72, 72);
    case LightGrey:
        return RGB(192, 192, 192);
    default:
        return RGB(255, 255, 255);
    }
}

void CGTMenuGlyphs::Draw(CDC* dc, int glyph, CPoint point, int style, CSize size)
{
    if (glyph < 0 || glyph >= GlyphCount || !Initialize())
        return;
    if (size.cx <= 0 || size.cy <= 0)
        size = GetSize();
    CDC stripDC;
    if (!stripDC.CreateCompatibleDC(dc))
        return;
    CBitmap* oldBitmap = stripDC.SelectObject(&Strip());
    CBrush ink(StyleColor(style));
    CBrush* oldBrush = dc->SelectObject(&ink);
    const COLORREF oldText = dc->SetTextColor(RGB(0, 0, 0));
    const COLORREF oldBack = dc->SetBkColor(RGB(255, 255, 255));
    // Where the source is ink the brush is painted, elsewhere the target stays.
    const DWORD paintInkOnly = 0x00B8074A;
    dc->StretchBlt(point.x, point.y, size.cx, size.cy, &stripDC, glyph * glyphSize, 0, glyphSize, glyphSize,
                   paintInkOnly);
    dc->SetBkColor(oldBack);
    dc->SetTextColor(oldText);
    dc->SelectObject(oldBrush);
    stripDC.SelectObject(oldBitmap);
}

void CGTMenuGlyphs::DrawCentered(CDC* dc, int glyph, const CRect& rect, int style)
{
    const CSize size = GetSize();
    Draw(dc, glyph, CPoint(rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2), style);
}
