// What an outlook pane shows: its background, its buttons, and its customization.
#include <guitoolkit/docking/CGTOutlookBarPane.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolbarDropTarget.h>

namespace {
// Customize-menu items that make no sense for a page button: only "&Delete" stays.
const LPCWSTR disabledCustomizeItems[] = {
    L"&Reset to Default", L"&Copy Button Image", L"&Button Appearance...", L"&Image", L"&Text",
    L"Image &and Text",   L"&Start Group"};

void DisableItemsByText(CMenu& ioMenu)
{
    for (UINT item = 0; item < ioMenu.GetMenuItemCount(); ++item) {
        CString text;
        ioMenu.GetMenuString(item, text, MF_BYPOSITION);
        for (LPCWSTR disabled : disabledCustomizeItems)
            if (text == disabled)
                ioMenu.EnableMenuItem(item, MF_BYPOSITION | MF_GRAYED);
    }
}
}  // namespace

BOOL CGTOutlookBarPane::UpdateMenuItemState(CGTToolbarButton* iButton, CMenu* iPopup)
{
    if (IsCustomizeMode() && iPopup != nullptr)
        DisableItemsByText(*iPopup);
    return CGTToolBar::UpdateMenuItemState(iButton, iPopup);
}

CGTToolbarButton* CGTOutlookBarPane::CreateDroppedButton(COleDataObject* iData)
{
    CGTToolbarButton* button = CGTToolBar::CreateDroppedButton(iData);
    if (button == nullptr || button->IsKindOf(RUNTIME_CLASS(CGTOutlookButton)))
        return button;
    delete button;
    return nullptr;
}

DROPEFFECT CGTOutlookBarPane::OnDragOver(COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    for (auto [button, up] : {std::pair<CGTButton*, BOOL>{&m_ScrollUp, TRUE}, {&m_ScrollDown, FALSE}}) {
        if (button->GetSafeHwnd() == nullptr || !button->IsWindowVisible())
            continue;
        CRect rect;
        button->GetWindowRect(rect);
        ScreenToClient(rect);
        if (rect.PtInRect(iPoint)) {
            if (up)
                ScrollUp();
            else
                ScrollDown();
            return DROPEFFECT_NONE;
        }
    }
    return CGTToolBar::OnDragOver(iData, iKeyState, iPoint);
}

void CGTOutlookBarPane::SetBackgroundBitmap(UINT iResourceId)
{
    if (iResourceId == m_BackgroundId)
        return;
    m_Background.Clear();
    m_BackgroundId = 0;
    m_BackgroundSize = CSize(0, 0);
    m_HighlightImage = FALSE;
    if (iResourceId != 0) {
        LPCWSTR name = MAKEINTRESOURCEW(iResourceId);
        auto bitmap = static_cast<HBITMAP>(::LoadImageW(AfxFindResourceHandle(name, RT_BITMAP), name, IMAGE_BITMAP, 0,
                                                        0, LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
        BITMAP info = {};
        if (bitmap != nullptr && ::GetObjectW(bitmap, sizeof(info), &info) != 0 && m_Background.AddImage(bitmap) >= 0) {
            m_BackgroundSize = CSize(info.bmWidth, info.bmHeight);
            m_BackgroundId = iResourceId;
            CWindowDC screen(nullptr);
            m_HighlightImage = screen.GetDeviceCaps(BITSPIXEL) > 8;
        }
        if (bitmap != nullptr)
            ::DeleteObject(bitmap);
    }
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CGTOutlookBarPane::OnSysColorChange()
{
    CGTToolBar::OnSysColorChange();
    m_BackgroundBrush.DeleteObject();
    m_BackgroundBrush.CreateSolidBrush(theGuiToolkitGlobals.colorBtnFace);
    const UINT background = m_BackgroundId;
    if (background != 0) {
        m_BackgroundId = 0;
        SetBackgroundBitmap(background);
    } else {
        Invalidate();
    }
}

void CGTOutlookBarPane::FillPaneBackground(CDC& iDc, const CRect& iRect)
{
    if (m_BackgroundId == 0 || m_BackgroundSize.cx <= 0 || m_BackgroundSize.cy <= 0) {
        iDc.FillRect(iRect, &m_BackgroundBrush);
        return;
    }
    CGTImageDrawPass pass;
    if (!m_Background.BeginDrawing(pass))
        return;
    for (int y = iRect.top; y < iRect.bottom; y += m_BackgroundSize.cy)
        for (int x = iRect.left; x < iRect.right; x += m_BackgroundSize.cx)
            m_Background.DrawImage(&iDc, x, y, 0);
    m_Background.FinishDrawing(pass);
}

BOOL CGTOutlookBarPane::IsButtonHighlighted(int iIndex) const
{
    if (IsCustomizeMode() && !IsLocked())
        return FALSE;
    return (iIndex == m_HotIndex || iIndex == m_PressedIndex) && (m_PressedIndex == -1 || iIndex == m_PressedIndex);
}

void CGTOutlookBarPane::DoPaint(CDC* iPaintDc)
{
    CRect clip;
    iPaintDc->GetClipBox(&clip);
    CRect client;
    GetClientRect(client);
    CGTMemDC memory(*iPaintDc, this);
    CDC& dc = memory.GetDC();
    FillPaneBackground(dc, client);
    if (GetButtonCount() == 0)
        return;
    dc.SetTextColor(theGuiToolkitGlobals.colorBtnText);
    dc.SetBkMode(TRANSPARENT);
    CGTToolBarImages& images = CGTDockingValues::OutlookPaneImages();
    CGTImageDrawPass pass;
    const BOOL drawing = images.count > 0 && images.BeginDrawing(pass, s_SharedImageSize.cx, s_SharedImageSize.cy);
    CFont* previousFont = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    const BOOL customizeLook = IsCustomizeMode() && !IsLocked();
    for (int index = 0; index < GetButtonCount(); ++index) {
        CGTToolbarButton* button = GetButton(index);
        if (!CRect().IntersectRect(button->Rect(), clip))
            continue;
        button->OnDraw(&dc, button->Rect(), drawing ? &images : nullptr, FALSE, customizeLook,
                       IsButtonHighlighted(index), TRUE, TRUE);
    }
    dc.SelectObject(previousFont);
    if (drawing)
        images.FinishDrawing(pass);
    if (m_SelectedIndex >= GetButtonCount())
        m_SelectedIndex = -1;
    if (customizeLook && GetButton(m_SelectedIndex) != nullptr) {
        CRect frame = GetButton(m_SelectedIndex)->Rect();
        dc.DrawFocusRect(frame);
        frame.DeflateRect(1, 1);
        dc.DrawFocusRect(frame);
    }
    if (customizeLook)
        DrawInsertionMark(&dc);
}
