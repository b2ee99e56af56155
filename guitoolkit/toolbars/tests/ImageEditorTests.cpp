#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/tests/TestSupport.h>
#include <guitoolkit/toolbars/CGTImageEditDlg.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <utility>
#include "EditorTestSupport.h"
#include "ToolbarTestSupport.h"

namespace {
const COLORREF white = RGB(255, 255, 255);
const COLORREF black = RGB(0, 0, 0);
const COLORREF red = RGB(255, 0, 0);
using Cells = std::set<std::pair<int, int>>;

// A button image of 16 x 15 pixels, white.
class TestImage {
public:
    TestImage()
    {
        HDC screen = ::GetDC(nullptr);
        m_Bitmap.Attach(::CreateCompatibleBitmap(screen, 16, 15));
        ::ReleaseDC(nullptr, screen);
        Fill(white);
    }
    void Fill(COLORREF iColor)
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(m_Bitmap.GetSafeHandle()));
        HBRUSH brush = ::CreateSolidBrush(iColor);
        const RECT all = {0, 0, 16, 15};
        ::FillRect(target.Dc(), &all, brush);
        ::DeleteObject(brush);
    }
    void Set(int iX, int iY, COLORREF iColor)
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(m_Bitmap.GetSafeHandle()));
        ::SetPixel(target.Dc(), iX, iY, iColor);
    }
    COLORREF At(int iX, int iY)
    {
        CGTSelectedBitmap source(static_cast<HBITMAP>(m_Bitmap.GetSafeHandle()));
        return ::GetPixel(source.Dc(), iX, iY);
    }
    // The pixels of a colour.
    Cells Of(COLORREF iColor)
    {
        Cells cells;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                if (At(x, y) == iColor)
                    cells.insert({x, y});
        return cells;
    }
    CBitmap m_Bitmap;
};

// The centre of a cell of 10 x 10 pixels inside the 1-pixel border.
CPoint Centre(int iColumn, int iRow)
{
    return CPoint(1 + 10 * iColumn + 5, 1 + 10 * iRow + 5);
}

// A press at one cell, a move to another and the release there.
void Drag(CWnd& ioArea, CPoint iFrom, CPoint iTo)
{
    ioArea.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(iFrom.x, iFrom.y));
    ioArea.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(iTo.x, iTo.y));
    ioArea.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(iTo.x, iTo.y));
}

// Every cell of the rectangle's outline, corners included.
Cells Outline(int iLeft, int iTop, int iRight, int iBottom)
{
    Cells cells;
    for (int x = iLeft; x <= iRight; ++x)
        cells.insert({{x, iTop}, {x, iBottom}});
    for (int y = iTop; y <= iBottom; ++y)
        cells.insert({{iLeft, y}, {iRight, y}});
    return cells;
}

class PaintArea : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 160 x 150 for the cells inside the border.
        ASSERT_TRUE(m_Area.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 162, 152), &m_Host, 5));
        m_Area.SetBitmap(&m_Image.m_Bitmap);
    }

    HostDialog m_Host;
    TestImage m_Image;
    CImagePaintArea m_Area;
};
}  // namespace

TEST_F(PaintArea, CellsSplitTheAreaAndPointsOutsideTakeTheNearestCell)
{
    EXPECT_EQ(CSize(10, 10), m_Area.GetCellSize());
    const std::pair<CPoint, CPoint> pixels[] = {
        {{1, 1}, {0, 0}}, {{10, 10}, {0, 0}},    {{11, 11}, {1, 1}},   {{160, 150}, {15, 14}},
        {{0, 0}, {0, 0}}, {{-50, 500}, {0, 14}}, {{400, -3}, {15, 0}}, {{56, 46}, {5, 4}},
    };
    for (const auto& [point, cell] : pixels)
        EXPECT_EQ(cell, m_Area.PointToPixel(point)) << point.x << "," << point.y;
    const std::pair<CRect, CRect> centres[] = {
        {{0, 0, 0, 0}, {6, 6, 6, 6}},
        {{2, 2, 5, 4}, {26, 26, 56, 46}},
        {{15, 14, 15, 14}, {156, 146, 156, 146}},
    };
    for (const auto& [cells, points] : centres)
        EXPECT_EQ(points, m_Area.CellToCenter(cells));
}

TEST_F(PaintArea, EveryToolOnOneCellSetsOnePixel)
{
    for (int mode :
         {CImagePaintArea::Pencil, CImagePaintArea::Line, CImagePaintArea::Rectangle, CImagePaintArea::Ellipse}) {
        m_Image.Fill(white);
        m_Area.SetMode(mode);
        Drag(m_Area, Centre(3, 4), Centre(3, 4));
        EXPECT_EQ((Cells{{3, 4}}), m_Image.Of(black)) << "mode " << mode;
        EXPECT_EQ(nullptr, CWnd::GetCapture());
    }
}

TEST_F(PaintArea, ShapesTakeTheCellsAtBothEndsOfTheDrag)
{
    m_Area.SetMode(CImagePaintArea::Rectangle);
    Drag(m_Area, Centre(2, 2), Centre(5, 4));
    EXPECT_EQ(Outline(2, 2, 5, 4), m_Image.Of(black));

    m_Image.Fill(white);
    Drag(m_Area, Centre(5, 4), Centre(2, 2));
    EXPECT_EQ(Outline(2, 2, 5, 4), m_Image.Of(black)) << "dragged up and left";

    m_Image.Fill(white);
    Drag(m_Area, Centre(2, 7), Centre(5, 7));
    EXPECT_EQ(Outline(2, 7, 5, 7), m_Image.Of(black)) << "a rectangle one row high";

    m_Image.Fill(white);
    m_Area.SetMode(CImagePaintArea::Line);
    Drag(m_Area, Centre(5, 4), Centre(2, 4));
    EXPECT_EQ(Outline(2, 4, 5, 4), m_Image.Of(black));
    m_Image.Fill(white);
    Drag(m_Area, Centre(6, 6), Centre(2, 2));
    EXPECT_EQ((Cells{{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}), m_Image.Of(black)) << "a diagonal, both ends in";
}

TEST_F(PaintArea, FillTakesTheConnectedPixelsOfTheCellsColour)
{
    m_Area.SetMode(CImagePaintArea::Rectangle);
    Drag(m_Area, Centre(2, 2), Centre(5, 4));
    m_Area.SetColor(red);
    m_Area.SetMode(CImagePaintArea::Fill);
    Drag(m_Area, Centre(3, 3), Centre(3, 3));
    EXPECT_EQ((Cells{{3, 3}, {4, 3}}), m_Image.Of(red));
    EXPECT_EQ(Outline(2, 2, 5, 4), m_Image.Of(black));
}

TEST_F(PaintArea, WithoutABitmapTheMouseDoesNothing)
{
    m_Area.SetBitmap(nullptr);
    EXPECT_EQ(CSize(0, 0), m_Area.GetCellSize());
    m_Area.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_NE(m_Area.m_hWnd, ::GetCapture());
    m_Area.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(m_Image.Of(black).empty());
}

namespace {
class ImageEditor : public ::testing::Test {
protected:
    // The editor's bar answers to the editor, not to the frame the editor belongs to.
    void SetUp() override { ASSERT_TRUE(m_Host.Create(nullptr, L"Host")); }
    void Open(int iBitsPerPixel = -1)
    {
        m_Dialog = std::make_unique<CGTImageEditDlg>(&m_Image.m_Bitmap, &m_Host, iBitsPerPixel);
        ASSERT_TRUE(m_Dialog->Create(IDD_GT_IMAGE_EDITOR, &m_Host));
    }
    void TearDown() override
    {
        if (m_Dialog != nullptr)
            m_Dialog->DestroyWindow();
        m_Host.DestroyWindow();
    }
    void Command(UINT iCommand) { m_Dialog->SendMessage(WM_COMMAND, iCommand); }
    // A click in the middle of a cell of the paint area.
    void ClickCell(int iColumn, int iRow)
    {
        CImagePaintArea& area = m_Dialog->GetPaintArea();
        const CSize cell = area.GetCellSize();
        const CPoint point(1 + cell.cx * iColumn + cell.cx / 2, 1 + cell.cy * iRow + cell.cy / 2);
        Drag(area, point, point);
    }
    void ChooseColor(COLORREF iColor)
    {
        CGTColorBar& bar = m_Dialog->GetColorBar();
        const CPoint point = bar.GetCellRect(iColor).CenterPoint();
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    BOOL IsChecked(UINT iCommand)
    {
        CGTToolBar& bar = m_Dialog->GetToolBar();
        return (bar.GetButtonStyle(bar.CommandToIndex(iCommand)) & TBBS_CHECKED) != 0;
    }

    StackFrame m_Host;
    TestImage m_Image;
    std::unique_ptr<CGTImageEditDlg> m_Dialog;
};
}  // namespace

TEST_F(ImageEditor, ThePaletteFollowsTheImagesDepth)
{
    Open(8);
    EXPECT_EQ(16u, m_Dialog->GetColorBar().GetColors().size());
    EXPECT_EQ(black, m_Dialog->GetColorBar().GetColor());
    m_Dialog->DestroyWindow();
    Open();
    EXPECT_EQ(20u, m_Dialog->GetColorBar().GetColors().size());
}

TEST_F(ImageEditor, ToolsAreChosenOnTheBarAndPickingAColourBringsThePencilBack)
{
    m_Image.Set(1, 1, red);
    Open();
    ASSERT_EQ(10, m_Dialog->GetToolBar().GetButtonCount());
    CGTToolBar& bar = m_Dialog->GetToolBar();
    const CPoint button = bar.GetButton(bar.CommandToIndex(ID_GT_PICK_COLOR_TOOL))->Rect().CenterPoint();
    PostClick(bar.m_hWnd, button);
    PumpPreTranslated();
    m_Dialog->SendMessage(WM_KICKIDLE);
    EXPECT_TRUE(IsChecked(ID_GT_PICK_COLOR_TOOL));
    EXPECT_FALSE(IsChecked(ID_GT_PENCIL_TOOL));

    ClickCell(1, 1);
    EXPECT_EQ(CImagePaintArea::Pencil, m_Dialog->GetPaintArea().GetMode());
    EXPECT_EQ(red, m_Dialog->GetColorBar().GetColor());
    EXPECT_EQ(red, m_Dialog->GetPaintArea().GetColor());
    ClickCell(4, 4);
    EXPECT_EQ((Cells{{1, 1}, {4, 4}}), m_Image.Of(red));
    m_Dialog->SendMessage(WM_KICKIDLE);
    EXPECT_TRUE(IsChecked(ID_GT_PENCIL_TOOL));
}

TEST_F(ImageEditor, LightGreyDrawsTheButtonFace)
{
    const COLORREF face = RGB(200, 210, 220);
    FakeScreen screen(32, {{COLOR_BTNFACE, face}});
    Open();
    ChooseColor(RGB(192, 192, 192));
    EXPECT_EQ(face, m_Dialog->GetPaintArea().GetColor());
    ClickCell(0, 0);
    EXPECT_EQ(face, m_Image.At(0, 0));
    ChooseColor(red);
    ClickCell(1, 0);
    EXPECT_EQ(red, m_Image.At(1, 0));
}

TEST_F(ImageEditor, CancelKeepsTheDrawingAndClearPaintsTheFace)
{
    Open();
    ClickCell(2, 3);
    Command(IDCANCEL);
    EXPECT_EQ(black, m_Image.At(2, 3)) << "the caller decides what to do with the drawing";
    m_Dialog->DestroyWindow();

    Open();
    Command(ID_GT_CLEAR_IMAGE);
    EXPECT_EQ(240u, m_Image.Of(theGuiToolkitGlobals.colorBtnFace).size());
}

TEST_F(ImageEditor, ThePreviewShowsTheImageInTheMiddleOfItsFrame)
{
    Open();
    const CRect preview = m_Dialog->GetPreviewRect();
    EXPECT_EQ(CSize(16, 15), preview.Size());
    CWnd* frame = m_Dialog->GetDlgItem(IDC_GT_EDITOR_PREVIEW);
    CRect frameRect;
    frame->GetWindowRect(&frameRect);
    m_Dialog->ScreenToClient(&frameRect);
    EXPECT_EQ(frameRect.left + (frameRect.Width() - 16) / 2, preview.left);
    EXPECT_EQ(frameRect.top + (frameRect.Height() - 15) / 2, preview.top);
    EXPECT_FALSE(frame->IsWindowVisible());
}

namespace {
// Puts a bitmap on the clipboard; null promises one that the owner never renders.
void SetClipboardBitmap(CWnd& iOwner, HBITMAP iBitmap)
{
    ASSERT_TRUE(::OpenClipboard(iOwner.m_hWnd));
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, iBitmap);
    ::CloseClipboard();
}
}  // namespace

TEST_F(ImageEditor, PasteCentresASmallerBitmapWithItsLightGreyLeftOut)
{
    TestImage pasted;
    pasted.Fill(red);
    pasted.Set(0, 0, RGB(192, 192, 192));
    CBitmap small;
    {
        HDC screen = ::GetDC(nullptr);
        small.Attach(::CreateCompatibleBitmap(screen, 4, 3));
        ::ReleaseDC(nullptr, screen);
        CGTSelectedBitmap source(static_cast<HBITMAP>(pasted.m_Bitmap.GetSafeHandle()));
        CGTSelectedBitmap target(static_cast<HBITMAP>(small.GetSafeHandle()));
        ::BitBlt(target.Dc(), 0, 0, 4, 3, source.Dc(), 0, 0, SRCCOPY);
    }
    Open();
    SetClipboardBitmap(m_Host, static_cast<HBITMAP>(small.Detach()));
    Command(ID_GT_PASTE_IMAGE);
    Cells block;
    for (int x = 6; x < 10; ++x)
        for (int y = 6; y < 9; ++y)
            if (x != 6 || y != 6)
                block.insert({x, y});
    EXPECT_EQ(block, m_Image.Of(red));
    EXPECT_EQ(240u - block.size(), m_Image.Of(theGuiToolkitGlobals.colorBtnFace).size());
}

TEST_F(ImageEditor, ABitmapPromisedButNeverGivenIsReportedAndKeepsTheImage)
{
    PromptRecordingApp app;
    m_Image.Set(1, 1, red);
    Open();
    SetClipboardBitmap(m_Host, nullptr);
    Command(ID_GT_PASTE_IMAGE);
    EXPECT_EQ(std::vector<std::wstring>{L"Can't paste bitmap image from the clipboard!"}, app.m_Prompts);
    EXPECT_EQ((Cells{{1, 1}}), m_Image.Of(red));
}
