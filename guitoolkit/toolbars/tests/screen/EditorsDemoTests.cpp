// What a user sees, on a real X display: the button image editor used with real mouse input
// (a tool and a colour chosen, a rectangle dragged, the image copied, cleared and pasted
// back), the button appearance dialog choosing one of the user's images, and the editable
// list. Their screenshots are checked and kept beside the test as image-editor.bmp,
// button-appearance.bmp and edit-list.bmp.
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/toolbars/CButtonAppearanceDlg.h>
#include <guitoolkit/toolbars/CGTEditListBox.h>
#include <guitoolkit/toolbars/CGTImageEditDlg.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include "EditorTestSupport.h"
#include "GtToolbarsTestIds.h"
#include "ScreenTestSupport.h"

namespace {
const COLORREF red = RGB(255, 0, 0);
const COLORREF blue = RGB(0, 0, 255);

// A button image: a blue square on the face, 16 x 15.
void DrawSample(CBitmap& oBitmap)
{
    HDC screen = ::GetDC(nullptr);
    oBitmap.Attach(::CreateCompatibleBitmap(screen, 16, 15));
    ::ReleaseDC(nullptr, screen);
    CGTSelectedBitmap target(static_cast<HBITMAP>(oBitmap.GetSafeHandle()));
    const RECT all = {0, 0, 16, 15};
    ::FillRect(target.Dc(), &all, theGuiToolkitGlobals.brushBtnFace);
    HBRUSH brush = ::CreateSolidBrush(blue);
    const RECT square = {9, 8, 14, 13};
    ::FillRect(target.Dc(), &square, brush);
    ::DeleteObject(brush);
}

COLORREF PixelOf(CBitmap& iBitmap, int iX, int iY)
{
    CGTSelectedBitmap source(static_cast<HBITMAP>(iBitmap.GetSafeHandle()));
    return ::GetPixel(source.Dc(), iX, iY);
}

CPoint ScreenPoint(CWnd& iWindow, CPoint iClient)
{
    iWindow.ClientToScreen(&iClient);
    return iClient;
}

void Click(CWinApp& ioApp, CPoint iScreen)
{
    SendMouse(0, iScreen);
    LetItDraw(ioApp, 100);
    SendMouse(MOUSEEVENTF_LEFTDOWN, iScreen);
    LetItDraw(ioApp, 100);
    SendMouse(MOUSEEVENTF_LEFTUP, iScreen);
    LetItDraw(ioApp, 200);
}

CPoint CellCentre(CImagePaintArea& iArea, int iColumn, int iRow)
{
    const CSize cell = iArea.GetCellSize();
    return ScreenPoint(iArea, CPoint(1 + cell.cx * iColumn + cell.cx / 2, 1 + cell.cy * iRow + cell.cy / 2));
}

BOOL IsEnabled(CGTToolBar& iBar, UINT iCommand)
{
    return (iBar.GetButtonStyle(iBar.CommandToIndex(iCommand)) & TBBS_DISABLED) == 0;
}

// The window as the screen shows it, kept in a file for people to look at.
Screenshot ShotOf(CWnd& iWindow, LPCWSTR iFile)
{
    CRect shown;
    iWindow.GetWindowRect(&shown);
    Screenshot shot(shown);
    shot.Save(iFile);
    return shot;
}

class MainWindow : public CFrameWnd {
protected:
    void PostNcDestroy() override {}
};
}  // namespace

TEST(EditorsDemo, TheImageEditorDrawsWithTheMouseAndGoesThroughTheClipboard)
{
    CWinApp app(L"EditorsDemo");
    MainWindow main;
    main.Create(nullptr, L"Editors", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100));
    app.m_pMainWnd = &main;
    ASSERT_TRUE(::OpenClipboard(main.m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();

    CBitmap image;
    DrawSample(image);
    CGTImageEditDlg dialog(&image, &main);
    ASSERT_TRUE(dialog.Create(IDD_GT_IMAGE_EDITOR, &main));
    dialog.SetWindowPos(nullptr, 60, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.ShowWindow(SW_SHOW);
    LetItDraw(app, 500);
    CGTToolBar& tools = dialog.GetToolBar();
    dialog.SendMessage(WM_KICKIDLE);
    EXPECT_FALSE(IsEnabled(tools, ID_GT_PASTE_IMAGE)) << "no bitmap on the clipboard";

    auto clickTool = [&](UINT iCommand) {
        CRect button = tools.GetButton(tools.CommandToIndex(iCommand))->Rect();
        Click(app, ScreenPoint(tools, button.CenterPoint()));
    };
    clickTool(ID_GT_RECTANGLE_TOOL);
    CGTColorBar& colors = dialog.GetColorBar();
    Click(app, ScreenPoint(colors, colors.GetCellRect(red).CenterPoint()));
    CImagePaintArea& area = dialog.GetPaintArea();
    ASSERT_EQ(CImagePaintArea::Rectangle, area.GetMode());
    SendMouse(0, CellCentre(area, 2, 2));
    LetItDraw(app, 100);
    SendMouse(MOUSEEVENTF_LEFTDOWN, CellCentre(area, 2, 2));
    LetItDraw(app, 100);
    SendMouse(0, CellCentre(area, 4, 3));
    LetItDraw(app, 100);
    SendMouse(0, CellCentre(area, 5, 4));
    LetItDraw(app, 100);
    SendMouse(MOUSEEVENTF_LEFTUP, CellCentre(area, 5, 4));
    LetItDraw(app, 300);
    for (const CPoint& corner : {CPoint(2, 2), CPoint(5, 2), CPoint(2, 4), CPoint(5, 4)})
        EXPECT_EQ(red, PixelOf(image, corner.x, corner.y)) << corner.x << "," << corner.y;
    EXPECT_NE(red, PixelOf(image, 3, 3));

    clickTool(ID_GT_COPY_IMAGE);
    dialog.SendMessage(WM_KICKIDLE);
    EXPECT_TRUE(IsEnabled(tools, ID_GT_PASTE_IMAGE)) << "the copied image is on the clipboard";
    clickTool(ID_GT_CLEAR_IMAGE);
    EXPECT_EQ(theGuiToolkitGlobals.colorBtnFace, PixelOf(image, 2, 2));
    clickTool(ID_GT_PASTE_IMAGE);
    EXPECT_EQ(red, PixelOf(image, 2, 2));
    EXPECT_EQ(blue, PixelOf(image, 10, 10));
    SendMouse(0, ScreenPoint(dialog, CPoint(5, 5)));
    LetItDraw(app, 500);

    const Screenshot shot = ShotOf(dialog, L"image-editor.bmp");
    // The cells show the image: the rectangle's corner in red, the blue square.
    const CPoint corner = CellCentre(area, 2, 2);
    EXPECT_EQ(ToPixel(red), shot.Pixel(corner.x, corner.y));
    const CPoint square = CellCentre(area, 11, 10);
    EXPECT_EQ(ToPixel(blue), shot.Pixel(square.x, square.y));
    // The preview shows it at its size.
    const CRect preview = dialog.GetPreviewRect();
    const CPoint previewCorner = ScreenPoint(dialog, preview.TopLeft() + CSize(2, 2));
    EXPECT_EQ(ToPixel(red), shot.Pixel(previewCorner.x, previewCorner.y));
    // The tools bar shows over the group box around it.
    CRect bar;
    tools.GetWindowRect(&bar);
    EXPECT_LT(shot.Count(ToPixel(theGuiToolkitGlobals.colorBtnFace), bar), bar.Width() * bar.Height());

    dialog.DestroyWindow();
    main.DestroyWindow();
}

TEST(EditorsDemo, TheAppearanceDialogShowsTheDefaultImageAndPicksAUserImage)
{
    CWinApp app(L"EditorsDemo");
    MainWindow main;
    main.Create(nullptr, L"Editors", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100));
    app.m_pMainWnd = &main;
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&main));
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR));
    CGTToolBarImages userImages;
    ASSERT_TRUE(userImages.LoadFromResource(IDR_GT_EDITOR_TOOLS));
    CGTToolbarButton button(ID_GT_TEST_SECOND, -1, L"&Week");
    button.m_ShowText = TRUE;

    CButtonAppearanceDlg dialog(&button, &userImages, &main);
    ASSERT_TRUE(dialog.Create(IDD_GT_BUTTON_APPEARANCE, &main));
    dialog.SetWindowPos(nullptr, 60, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.ShowWindow(SW_SHOW);
    LetItDraw(app, 500);
    CWnd& userRadio = *dialog.GetDlgItem(IDC_GT_APPEARANCE_USER_IMAGE);
    Click(app, ScreenPoint(userRadio, CPoint(6, 6)));
    CButtonsList& list = dialog.GetImagesList();
    ASSERT_TRUE(list.IsWindowEnabled());
    const CRect ellipse = list.GetButton(4)->Rect();
    Click(app, ScreenPoint(list, ellipse.CenterPoint()));
    EXPECT_EQ(4, dialog.GetModel().GetImage());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_GT_APPEARANCE_EDIT)->IsWindowEnabled());
    SendMouse(0, ScreenPoint(dialog, CPoint(5, 5)));
    LetItDraw(app, 500);

    const Screenshot shot = ShotOf(dialog, L"button-appearance.bmp");
    // The preview shows the command's own image: the test bar's second image is green.
    const CPoint preview = ScreenPoint(dialog, dialog.GetPreviewRect().CenterPoint());
    EXPECT_EQ(ToPixel(RGB(0, 255, 0)), shot.Pixel(preview.x, preview.y));
    // The chosen image is pressed in: its frame's top-left edge in the shadow colour.
    const CPoint pressed = ScreenPoint(list, CPoint(ellipse.left, ellipse.CenterPoint().y));
    EXPECT_EQ(ToPixel(theGuiToolkitGlobals.colorBtnShadow), shot.Pixel(pressed.x, pressed.y));

    dialog.DestroyWindow();
    bar.DestroyWindow();
    main.DestroyWindow();
}

TEST(EditorsDemo, TheEditableListShowsItsCaptionAndButtons)
{
    CWinApp app(L"EditorsDemo");
    HostDialog host(CRect(60, 60, 320, 260));
    CGTEditListBox list;
    ASSERT_TRUE(list.Create(L"&Menu contents:", WS_CHILD | WS_VISIBLE, CRect(10, 10, 250, 190), &host, 20));
    list.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    list.AddStandardButtons();
    for (LPCWSTR name : {L"Notepad", L"Calculator", L"Paint"})
        list.AddItem(name);
    list.SelectItem(1);
    LetItDraw(app, 500);

    const Screenshot shot = ShotOf(host, L"edit-list.bmp");
    // The Delete button shows its red cross.
    CRect cross;
    list.GetButton(1)->GetWindowRect(&cross);
    EXPECT_GT(shot.Count(ToPixel(RGB(255, 0, 0)), cross), 10);
    CRect caption = list.GetCaptionRect();
    list.ClientToScreen(&caption);
    EXPECT_EQ(ToPixel(theGuiToolkitGlobals.colorBtnShadow), shot.Pixel(caption.left, caption.top + 2));
}
