// Where the toolbar's buttons go and how the bar paints: rows that wrap to the bar's length,
// separators that vanish where they would start a row or follow another, and buttons that do
// not fit a docked bar offered by its customize button instead.
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <algorithm>

namespace {
// Between two rows of buttons.
const int rowGap = 5;
const int noLimit = 32767;

// A DC with the font the bar measures and draws its captions in.
class BarFontDC : public CClientDC {
public:
    BarFontDC(CGTToolBar* iBar, BOOL iHorizontal)
        : CClientDC(iBar->GetSafeHwnd() != nullptr ? iBar : nullptr),
          m_Previous(SelectObject(iBar->BarFont(iHorizontal)))
    {
    }
    ~BarFontDC() override { SelectObject(m_Previous); }

private:
    CFont* m_Previous;
};
}  // namespace

CFont* CGTToolBar::BarFont(BOOL iHorizontal) const
{
    if (!iHorizontal)
        return &theGuiToolkitGlobals.fontVert;
    return m_DialogControl ? CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)))
                           : &theGuiToolkitGlobals.fontRegular;
}

CSize CGTToolBar::CalcLengthLayout(int iLength, BOOL iVertical)
{
    CalcMaxButtonHeight();
    SizeToLength(iLength, iVertical);
    const BOOL horizontal = IsHorizontal();
    const CSize size = CalcLayoutSize(!horizontal);
    if (m_ParentDockBar == nullptr)
        m_MruWidth = horizontal ? size.cx : size.cy;
    return size;
}

void CGTToolBar::AdjustLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const BOOL horizontal = IsHorizontal();
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        button->m_TextBelow = !button->IsSeparator() && m_TextLabels && horizontal;
    }
    if (!SizeRebarBand())
        AdjustSize();
    RecalcButtonLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void CGTToolBar::EnableTextLabels(BOOL iOn)
{
    if (m_MenuMode)
        return;
    m_TextLabels = iOn;
    AdjustLayout();
}

void CGTToolBar::AdjustSize()
{
    CFrameWnd* frame = GetParentFrame();
    CGTMiniFrameWnd* miniFrame = GetParentMiniFrame();
    CWnd* parent = GetParent();
    if ((frame == nullptr && miniFrame == nullptr) || parent == nullptr)
        return;
    const BOOL horizontal = IsHorizontal();
    CSize size = CalcFixedLayout(FALSE, horizontal);
    CRect client;
    parent->GetClientRect(&client);
    if (size.cx == noLimit)
        size.cx = client.Width();
    if (size.cy == noLimit)
        size.cy = client.Height();
    CRect window;
    GetWindowRect(&window);
    if (window.Size() == size)
        return;
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A floating bar's frame follows it: a button dropped on the bar grows the frame.
    if (miniFrame != nullptr) {
        miniFrame->FitToBarSize();
        miniFrame->AdjustLayout();
        miniFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        return;
    }
    // A button taken off shortens a docked bar as well: kept at its old length, the bar would
    // show an empty end and be saved with it. The bars of its row make room or close up.
    StoreCurrentRect();
    if (m_DockRow != nullptr)
        m_DockRow->ArrangeBars(this);
    if (frame != nullptr)
        frame->RecalcLayout();
}

int CGTToolBar::GetRowHeight() const
{
    if (m_LabelsTaller)
        return m_LabelHeight;
    int height = GetButtonSize().cy;
    if (m_MenuMode)
        height = GetMenuButtonSize().cy > 0 ? GetMenuButtonSize().cy : s_ButtonSize.cy;
    const BOOL horizontal = (GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0 || GetBarStyle() == 0;
    return std::max(height, horizontal ? theGuiToolkitGlobals.textHeightRegular : theGuiToolkitGlobals.textHeightVert);
}

int CGTToolBar::GetColumnWidth() const
{
    if (m_MenuMode)
        return GetMenuButtonSize().cx > 0 ? GetMenuButtonSize().cx : s_ButtonSize.cx;
    return GetButtonSize().cx;
}

void CGTToolBar::GetItemRect(int iIndex, LPRECT oRect) const
{
    const CGTToolbarButton* button = GetButton(iIndex);
    *oRect = button != nullptr ? button->Rect() : CRect(0, 0, 0, 0);
}

void CGTToolBar::GetInvalidateItemRect(int iIndex, LPRECT oRect) const
{
    const CGTToolbarButton* button = GetButton(iIndex);
    *oRect = button != nullptr ? button->GetRect() : CRect(0, 0, 0, 0);
}

int CGTToolBar::CalcMaxButtonHeight()
{
    m_LabelsTaller = FALSE;
    if (!m_TextLabels || !IsHorizontal())
        return 0;
    BarFontDC dc(this, TRUE);
    int height = 0;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        if (!button->m_TextBelow)
            continue;
        if (button->m_Text.IsEmpty())
            LoadButtonText(*button);
        height = std::max(height, static_cast<int>(button->CalcSize(&dc, GetButtonSize(), TRUE).cy));
    }
    m_LabelsTaller = height > GetButtonSize().cy;
    m_LabelHeight = height;
    return height;
}

CSize CGTToolBar::CalcLayoutSize(BOOL iVertical)
{
    if (m_Buttons.IsEmpty())
        return GetButtonSize();
    BarFontDC dc(this, !iVertical);
    const int columnWidth = GetColumnWidth();
    const int rowHeight = GetRowHeight();
    const CSize defaultSize(columnWidth, m_LabelsTaller ? GetButtonSize().cy : rowHeight);
    CSize extent(columnWidth, rowHeight);
    CPoint at(iVertical ? 0 : 1, iVertical ? 1 : 0);
    const int start = at.x;
    int index = 0;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr; ++index) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        if (button == m_CustomizeButton && position == nullptr && m_Floating)
            continue;
        CSize size = button->CalcSize(&dc, defaultSize, !iVertical);
        if (m_LabelsTaller)
            size.cy = m_LabelHeight;
        if (iVertical) {
            at.y += size.cy;
            extent.cx = std::max(extent.cx, at.x + size.cx);
            extent.cy = std::max(extent.cy, static_cast<LONG>(at.y));
            continue;
        }
        if (button->IsSeparator() && (at.x == start || button->m_Wrap))
            size = CSize(0, 0);
        at.x += size.cx;
        extent.cx = std::max(extent.cx, static_cast<LONG>(at.x));
        extent.cy = std::max(extent.cy, at.y + size.cy);
        if (button->m_Wrap) {
            at.y += rowHeight + rowGap;
            at.x = start;
        }
    }
    return extent;
}

int CGTToolBar::WrapButtons(int iWidth, int iHeight, CDC* iDc, int iColumnWidth, int iRowHeight)
{
    BarFontDC ownDc(this, IsHorizontal());
    CDC* dc = iDc != nullptr ? iDc : &ownDc;
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&client);
    int y = client.top;
    if (m_Floating)
        iHeight = noLimit;
    if (iColumnWidth < 0 || iRowHeight < 0) {
        iColumnWidth = GetColumnWidth();
        iRowHeight = GetRowHeight();
    }
    const BOOL horizontal = IsHorizontal();
    const CSize defaultSize(iColumnWidth, iRowHeight);
    if (m_CustomizeButton != nullptr && horizontal && !m_Floating)
        iWidth -= m_CustomizeButton->CalcSize(dc, defaultSize, TRUE).cx;
    int x = 0;
    int rows = 0;
    CGTToolbarButton* previous = nullptr;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        button->m_Wrap = FALSE;
        if (button == m_CustomizeButton)
            break;
        if (!button->IsVisible())
            continue;
        CSize size = button->CalcSize(dc, defaultSize, horizontal);
        if (button->IsSeparator() && x == 0)
            size = CSize(0, 0);
        if (x + size.cx > iWidth && y + size.cy < iHeight && !button->IsSeparator() && previous != nullptr) {
            previous->m_Wrap = TRUE;
            ++rows;
            y += size.cy + rowGap;
            x = 0;
        }
        x += size.cx;
        previous = button;
    }
    return rows + 1;
}

void CGTToolBar::SizeToLength(int iLength, BOOL iVertical)
{
    BarFontDC dc(this, !iVertical);
    const int columnWidth = GetColumnWidth();
    const int rowHeight = GetRowHeight();
    const auto wrap = [&](int iWidth) { return WrapButtons(iWidth, noLimit, &dc, columnWidth, rowHeight); };
    if (!iVertical) {
        const int narrowest = wrap(0);
        const int rows = wrap(iLength);
        if (narrowest != rows && iLength > 0) {
            int low = 0;
            int high = iLength;
            while (low < high) {
                const int mid = (low + high) / 2;
                if (wrap(mid) == rows) {
                    high = mid;
                } else if (low == mid) {
                    wrap(high);
                    break;
                } else {
                    low = mid;
                }
            }
        }
        wrap(CalcLayoutSize(FALSE).cx);
        return;
    }
    wrap(noLimit);
    CSize size = CalcLayoutSize(FALSE);
    if (iLength > size.cy) {
        for (int width = 0; size.cy > iLength; width += GetButtonSize().cx) {
            wrap(width);
            size = CalcLayoutSize(FALSE);
        }
    }
    wrap(size.cx);
}

CSize CGTToolBar::CalcSize(DWORD iMode, int iLength)
{
    const BOOL horizontal = (iMode & LM_HORZ) != 0;
    CalcMaxButtonHeight();
    CRect borders(0, 0, 0, 0);
    AdjustClientRectByBorders(borders, horizontal);
    if (!(m_dwStyle & CBRS_SIZE_FIXED)) {
        const BOOL dynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
        if (!dynamic)
            SizeToLength(horizontal ? noLimit : 0, FALSE);
        else if (iMode & LM_MRUWIDTH)
            SizeToLength(m_MruWidth, FALSE);
        else if (iMode & LM_HORZDOCK)
            SizeToLength(noLimit, FALSE);
        else if (iMode & LM_VERTDOCK)
            SizeToLength(0, FALSE);
        else if (iLength != -1)
            SizeToLength(iLength + ((iMode & LM_LENGTHY) ? borders.Height() : borders.Width()),
                         (iMode & LM_LENGTHY) != 0);
        else if (m_Floating)
            SizeToLength(m_MruWidth, FALSE);
        else
            SizeToLength(horizontal ? noLimit : 0, FALSE);
    }
    CSize size = CalcLayoutSize(!horizontal);
    if ((iMode & LM_COMMIT) && m_Floating && (m_dwStyle & CBRS_SIZE_DYNAMIC) && horizontal)
        m_MruWidth = size.cx;
    size.cx -= borders.Width();
    size.cy -= borders.Height();
    if (iMode & LM_STRETCH)
        (horizontal ? size.cx : size.cy) = noLimit;
    else
        size.cy = std::max(size.cy, 0L);
    RebuildAccessKeys();
    return size;
}

void CGTToolBar::RecalcButtonLayout()
{
    if (m_Buttons.IsEmpty() || GetSafeHwnd() == nullptr)
        return;
    const BOOL horizontal = IsHorizontal();
    CRect client;
    GetClientRect(&client);
    BarFontDC dc(this, horizontal);
    const int start = horizontal ? client.left + 1 : client.top + 1;
    const int rowHeight = GetRowHeight();
    const int columnWidth = GetColumnWidth();
    const CSize defaultSize(columnWidth, rowHeight);
    const BOOL docked = !m_Floating && !s_CustomizeMode;
    m_OverflowButtons.RemoveAll();
    CSize reserve(0, 0);
    if (m_CustomizeButton != nullptr && docked)
        reserve = m_CustomizeButton->CalcSize(
            &dc, horizontal ? CSize(columnWidth, client.Height()) : CSize(client.Width(), rowHeight), horizontal);
    int x = start;
    int y = horizontal ? client.top : start;
    int rowWidth = 0;
    POSITION rowStart = m_Buttons.GetHeadPosition();
    BOOL previousSeparator = FALSE;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        if (button == m_CustomizeButton)
            break;
        const BOOL beforeCustomize =
            position != nullptr && static_cast<CGTToolbarButton*>(m_Buttons.GetAt(position)) == m_CustomizeButton;
        BOOL visible = TRUE;
        CSize size = button->CalcSize(&dc, defaultSize, horizontal);
        if (button->m_TextBelow && horizontal)
            size.cy = rowHeight;
        const BOOL rowBegins = horizontal ? x == start : TRUE;
        if (button->IsSeparator() && ((horizontal && rowBegins) || previousSeparator)) {
            size = CSize(0, 0);
            visible = FALSE;
        }
        const CRect rect = horizontal ? CRect(x, y, x + size.cx, y + size.cy)
                                      : CRect(client.left, y, client.left + size.cx, y + size.cy);
        if (m_CustomizeButton != nullptr && docked) {
            const BOOL nothingHiddenYet = static_cast<int>(m_CustomizeButton->m_CommandId) <= 0;
            const CSize room =
                nothingHiddenYet && m_OverflowButtons.IsEmpty() && beforeCustomize ? CSize(0, 0) : reserve;
            if (horizontal ? rect.right > client.right - room.cx : rect.bottom > client.bottom - room.cy) {
                m_OverflowButtons.AddTail(button);
                visible = FALSE;
            }
        }
        if (visible) {
            if (horizontal) {
                x += size.cx;
                rowWidth += size.cx;
            } else {
                y += size.cy;
            }
            previousSeparator = button->IsSeparator();
        }
        ShowButton(*button, visible);
        button->SetRect(visible ? rect : CRect(rect.TopLeft(), CSize(0, 0)));
        const BOOL rowEnds = button->m_Wrap || position == nullptr || beforeCustomize;
        if (rowEnds && horizontal) {
            const int offset = (client.right - rowWidth - start) / 2;
            if (m_Floating && offset > 0 && m_TextLabels) {
                for (POSITION moved = rowStart; moved != nullptr;) {
                    auto* rowButton = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(moved));
                    CRect shifted = rowButton->Rect();
                    shifted.OffsetRect(offset, 0);
                    rowButton->SetRect(shifted);
                    if (rowButton == button)
                        break;
                }
            }
            y += rowHeight + rowGap;
            x = start;
            rowWidth = 0;
            rowStart = position;
            previousSeparator = FALSE;
        }
    }
    PlaceCustomizeButton(client, horizontal, reserve);
    UpdateTooltips();
}

void CGTToolBar::ShowButton(CGTToolbarButton& ioButton, BOOL iVisible)
{
    if (ioButton.IsHiddenByLayout() == !iVisible)
        return;
    ioButton.SetHiddenByLayout(!iVisible);
    ioButton.OnShow(iVisible);
}

void CGTToolBar::PlaceCustomizeButton(const CRect& iClient, BOOL iHorizontal, CSize iSize)
{
    if (m_CustomizeButton == nullptr)
        return;
    const BOOL nothingToShow = static_cast<int>(m_CustomizeButton->m_CommandId) <= 0 && m_OverflowButtons.IsEmpty();
    if (nothingToShow || m_Floating || s_CustomizeMode) {
        m_CustomizeButton->SetRect(CRect(0, 0, 0, 0));
        ShowButton(*m_CustomizeButton, FALSE);
        return;
    }
    m_CustomizeButton->SetRect(
        iHorizontal ? CRect(iClient.right - iSize.cx, iClient.top, iClient.right - 1, iClient.bottom)
                    : CRect(iClient.left, iClient.bottom - 1 - iSize.cy, iClient.right, iClient.bottom - 1));
    ShowButton(*m_CustomizeButton, TRUE);
}

CRect CGTToolBar::GetButtonDrawRect(const CGTToolbarButton& iButton, BOOL iHorizontal) const
{
    if (!iButton.m_Wrap || !iHorizontal)
        return iButton.Rect();
    CRect client;
    GetClientRect(&client);
    return CRect(client.left, iButton.Rect().bottom, client.right, iButton.Rect().bottom + rowGap);
}

void CGTToolBar::DrawSeparator(CDC* iDc, const CRect& iRect, BOOL iHorizontal)
{
    CGTVisualManager::GetCurrent()->DrawSeparator(iDc, this, iRect, iHorizontal);
}

BOOL CGTToolBar::IsButtonExtraSizeAvailable() const
{
    return FALSE;
}
