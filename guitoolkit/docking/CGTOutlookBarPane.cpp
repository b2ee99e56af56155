#include <guitoolkit/docking/CGTOutlookBarPane.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <memory>
#include <windowsx.h>

IMPLEMENT_SERIAL(CGTOutlookBarPane, CGTToolBar, 1)

BEGIN_MESSAGE_MAP(CGTOutlookBarPane, CGTToolBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CSize CGTOutlookBarPane::s_SharedImageSize(0, 0);

namespace {
const COLORREF sharedTransparent = RGB(255, 0, 255);
const DWORD borderBits = 0x0F00;
const DWORD gripperBit = 0x400000;
const int upGlyph = 24;
const int downGlyph = 13;
const int scrollButtonInset = 5;
}  // namespace

CGTOutlookBarPane::CGTOutlookBarPane()
    : m_BackgroundId(0), m_BackgroundSize(0, 0), m_TextColor(static_cast<COLORREF>(-1)),
      m_IconBackdrop(sharedTransparent), m_ScrollOffset(0), m_FirstVisible(0), m_CanScrollDown(FALSE),
      m_HighlightImage(FALSE), m_TearOffTarget(nullptr), m_NoRelayout(FALSE), m_ShowLabels(TRUE)
{
    CGTToolBarImages& images = CGTDockingValues::OutlookPaneImages();
    if (images.colorTransparent != sharedTransparent)
        images.colorTransparent = sharedTransparent;
    m_BackgroundBrush.CreateSolidBrush(theGuiToolkitGlobals.colorBtnFace);
}

CGTOutlookBarPane::~CGTOutlookBarPane() = default;

BOOL CGTOutlookBarPane::CreatePane(CWnd* iParent, DWORD iStyle, UINT iId, DWORD iBehaviourStyle)
{
    if (!Create(iParent, iStyle, iId))
        return FALSE;
    m_BehaviourStyle = iBehaviourStyle;
    return TRUE;
}

int CGTOutlookBarPane::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTToolBar::OnCreate(iCreate) == -1)
        return -1;
    SetBarStyle(GetBarStyle() & ~(borderBits | gripperBit));
    SetBorders(0, 0, 0, 0);
    MoveBarWindow(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    const CRect size(CPoint(0, 0), ScrollButtonSize());
    for (auto [button, glyph] : {std::pair<CGTButton*, int>{&m_ScrollUp, upGlyph}, {&m_ScrollDown, downGlyph}}) {
        if (!button->Create(L"", WS_CHILD, size, this, static_cast<UINT>(-1)))
            return -1;
        button->SetStdGlyphImage(glyph);
    }
    return 0;
}

CSize CGTOutlookBarPane::ScrollButtonSize() const
{
    return CGTMenuGlyphs::GetSize() + CSize(6, 6);
}

BOOL CGTOutlookBarPane::HasRoomForScrollButtons(const CRect& iClient) const
{
    const CSize size = ScrollButtonSize();
    return iClient.Width() >= size.cx + scrollButtonInset && iClient.Height() >= size.cy + scrollButtonInset;
}

void CGTOutlookBarPane::PlaceScrollButton(CGTButton& ioButton, BOOL iShow, int iX, int iY)
{
    if (ioButton.GetSafeHwnd() == nullptr)
        return;
    if (iShow) {
        ioButton.SetWindowPos(nullptr, iX, iY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ioButton.ShowWindow(SW_SHOWNOACTIVATE);
    } else {
        ioButton.ShowWindow(SW_HIDE);
    }
    ioButton.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

BOOL CGTOutlookBarPane::InsertCommandButton(int iImage, LPCWSTR iLabel, UINT iCommandId, int iPosition)
{
    auto button = std::make_unique<CGTOutlookButton>();
    button->m_CommandId = iCommandId;
    button->m_Text = iLabel != nullptr ? iLabel : L"";
    button->SetImage(iImage);
    button->m_ShowText = m_ShowLabels;
    if (InsertButton(button.get(), iPosition) < 0)
        return FALSE;
    button.release();
    AdjustLayout();
    return TRUE;
}

BOOL CGTOutlookBarPane::InsertBitmapButton(HBITMAP iBitmap, LPCWSTR iLabel, UINT iCommandId, int iPosition)
{
    BITMAP info = {};
    if (iBitmap == nullptr || ::GetObjectW(iBitmap, sizeof(info), &info) == 0)
        return FALSE;
    const int image = CGTDockingValues::OutlookPaneImages().AddImage(iBitmap);
    if (image < 0)
        return FALSE;
    s_SharedImageSize = CSize(info.bmWidth, info.bmHeight);
    return InsertCommandButton(image, iLabel, iCommandId, iPosition);
}

BOOL CGTOutlookBarPane::InsertIconButton(HICON iIcon, LPCWSTR iLabel, UINT iCommandId, int iPosition, BOOL iAlpha)
{
    ICONINFO info = {};
    if (iIcon == nullptr || !::GetIconInfo(iIcon, &info))
        return FALSE;
    BITMAP colour = {};
    ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(colour), &colour);
    const CSize size(colour.bmWidth, info.hbmColor != nullptr ? colour.bmHeight : colour.bmHeight / 2);
    BOOL inserted = FALSE;
    if (iAlpha) {
        const int image = CGTDockingValues::OutlookPaneImages().AddIcon(iIcon, TRUE);
        if (image >= 0) {
            s_SharedImageSize = size;
            inserted = InsertCommandButton(image, iLabel, iCommandId, iPosition);
        }
    } else {
        CWindowDC screen(nullptr);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, size.cx, size.cy);
        CBitmap* previous = dc.SelectObject(&bitmap);
        if (m_IconBackdrop != static_cast<COLORREF>(-1))
            dc.FillSolidRect(0, 0, size.cx, size.cy, m_IconBackdrop);
        ::DrawIconEx(dc.GetSafeHdc(), 0, 0, iIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        dc.SelectObject(previous);
        inserted = InsertBitmapButton(static_cast<HBITMAP>(bitmap.GetSafeHandle()), iLabel, iCommandId, iPosition);
    }
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return inserted;
}

BOOL CGTOutlookBarPane::DeleteCommandButton(UINT iCommandId)
{
    for (int index = 0; index < GetButtonCount(); ++index) {
        if (GetItemID(index) != iCommandId)
            continue;
        RemoveButton(index);
        Relayout();
        return TRUE;
    }
    return FALSE;
}

void CGTOutlookBarPane::Relayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    AdjustLayout();
    UpdateWindow();
    Invalidate();
}

void CGTOutlookBarPane::RemoveAllButtons()
{
    CGTToolBar::RemoveAllButtons();
    m_ScrollOffset = 0;
    m_FirstVisible = 0;
    Relayout();
}

void CGTOutlookBarPane::RecalcButtonLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const CSize scrollSize = ScrollButtonSize();
    CClientDC dc(this);
    CFont* previousFont = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    CRect client;
    GetClientRect(client);
    const CSize measure(client.Width() - 2, s_SharedImageSize.cy);
    const BOOL room = HasRoomForScrollButtons(client);
    PlaceScrollButton(m_ScrollUp, m_FirstVisible >= 1 && room, client.right - scrollSize.cx - scrollButtonInset,
                      client.top + scrollButtonInset);
    int y = client.top - m_ScrollOffset;
    for (int index = 0; index < GetButtonCount(); ++index) {
        CGTToolbarButton* button = GetButton(index);
        button->m_ShowText = m_ShowLabels;
        if (auto* outlook = DYNAMIC_DOWNCAST(CGTOutlookButton, button))
            outlook->m_ImageSize = s_SharedImageSize;
        CSize size = button->CalcSize(&dc, measure, FALSE);
        size.cx = std::min(static_cast<int>(size.cx), client.Width() - 1);
        const int left = client.left + (client.Width() - 1 - size.cx) / 2;
        const CRect rect(left, y, left + size.cx, y + size.cy);
        if (rect != button->Rect()) {
            button->SetRect(rect);
            button->OnMove();
        }
        y += size.cy;
    }
    dc.SelectObject(previousFont);
    m_CanScrollDown = y > client.bottom;
    PlaceScrollButton(m_ScrollDown, m_CanScrollDown && room, client.right - scrollSize.cx - scrollButtonInset,
                      client.bottom - scrollSize.cy - scrollButtonInset);
    ClearHotButton();
    UpdateTooltips();
}

BOOL CGTOutlookBarPane::ScrollUp()
{
    if (m_ScrollOffset <= 0 || m_FirstVisible <= 0) {
        m_ScrollOffset = 0;
        m_FirstVisible = 0;
        if (GetSafeHwnd() != nullptr)
            KillTimer(scrollUpTimer);
        return FALSE;
    }
    m_ScrollOffset -= GetButton(m_FirstVisible)->Rect().Height();
    --m_FirstVisible;
    if (m_FirstVisible == 0)
        m_ScrollOffset = 0;
    RecalcButtonLayout();
    Invalidate();
    UpdateWindow();
    return TRUE;
}

BOOL CGTOutlookBarPane::ScrollDown()
{
    if (!m_CanScrollDown || m_FirstVisible + 1 >= GetButtonCount()) {
        if (GetSafeHwnd() != nullptr)
            KillTimer(scrollDownTimer);
        return FALSE;
    }
    m_ScrollOffset += GetButton(m_FirstVisible)->Rect().Height();
    ++m_FirstVisible;
    RecalcButtonLayout();
    Invalidate();
    UpdateWindow();
    return TRUE;
}

void CGTOutlookBarPane::ScrollToButton(int iIndex)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(client);
    while (button->Rect().top < client.top && ScrollUp()) {}
    while (button->Rect().bottom > client.bottom && ScrollDown()) {}
}

void CGTOutlookBarPane::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTToolBar::OnSize(iType, iWidth, iHeight);
    if (m_NoRelayout)
        RecalcButtonLayout();
    else
        AdjustLayout();
    // Growing while scrolled leaves no empty space below the last button.
    while (m_ScrollOffset > 0 && GetButtonCount() > 0 && GetButton(GetButtonCount() - 1)->Rect().bottom < iHeight &&
           ScrollUp()) {}
}

BOOL CGTOutlookBarPane::PreTranslateMessage(MSG* iMsg)
{
    switch (iMsg->message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        CPoint screen(GET_X_LPARAM(iMsg->lParam), GET_Y_LPARAM(iMsg->lParam));
        ::ClientToScreen(iMsg->hwnd, &screen);
        if (iMsg->message == WM_LBUTTONUP) {
            KillTimer(scrollUpTimer);
            KillTimer(scrollDownTimer);
        }
        ForwardToScrollButton(*iMsg, m_ScrollUp, screen);
        ForwardToScrollButton(*iMsg, m_ScrollDown, screen);
        break;
    }
    default:
        break;
    }
    return CGTToolBar::PreTranslateMessage(iMsg);
}

void CGTOutlookBarPane::ForwardToScrollButton(const MSG& iMsg, CGTButton& ioButton, CPoint iScreenPoint)
{
    if (ioButton.GetSafeHwnd() == nullptr || !ioButton.IsWindowVisible())
        return;
    CRect rect;
    ioButton.GetWindowRect(rect);
    if (!rect.PtInRect(iScreenPoint))
        return;
    if (iMsg.message == WM_LBUTTONDOWN) {
        const BOOL up = &ioButton == &m_ScrollUp;
        SetTimer(up ? scrollUpTimer : scrollDownTimer, scrollRepeatMs, nullptr);
        if (up)
            ScrollUp();
        else
            ScrollDown();
    }
    // The button's own messages reach it anyway.
    if (iMsg.hwnd == ioButton.GetSafeHwnd() || !::IsWindow(ioButton.GetSafeHwnd()))
        return;
    CPoint point = iScreenPoint;
    ioButton.ScreenToClient(&point);
    ioButton.SendMessage(iMsg.message, iMsg.wParam, MAKELPARAM(point.x, point.y));
}

void CGTOutlookBarPane::OnTimer(UINT_PTR iTimer)
{
    switch (iTimer) {
    case scrollUpTimer:
        if (m_ScrollUp.IsPushed() && m_ScrollUp.IsHighlighted())
            ScrollUp();
        break;
    case scrollDownTimer:
        if (m_ScrollDown.IsPushed() && m_ScrollDown.IsHighlighted())
            ScrollDown();
        break;
    default:
        CGTToolBar::OnTimer(iTimer);
        break;
    }
}

void CGTOutlookBarPane::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    const HWND window = m_hWnd;
    CGTToolBar::OnLButtonUp(iFlags, iPoint);
    if (::IsWindow(window))
        OnMouseLeave(0, 0);
}

void CGTOutlookBarPane::OnSetFocus(CWnd*)
{
    Default();
}

BOOL CGTOutlookBarPane::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

CSize CGTOutlookBarPane::GetStretchLimit(BOOL, BOOL)
{
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(client);
    return client.Size();
}
