// The mouse on a toolbar while the toolbars are being customized (or a button is dragged
// with Alt held): choosing the button to edit, dragging it to another place or bar, and
// widening a control button by its right edge.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarDropSource.h>
#include <cstdlib>

namespace {
// How near a control button's right edge a press starts a width change.
const int resizeEdge = 7;
// The narrowest a control button can be made, and the least move that changes its width.
const int leastWidth = 5;
const int leastMove = 6;
}  // namespace

BOOL CGTToolBar::s_AltDragAllowed = FALSE;
BOOL CGTToolBar::s_AltDrag = FALSE;

CGTToolbarDropSource& CGTToolBar::GetDropSource()
{
    static CGTToolbarDropSource source;
    return source;
}

void CGTToolBar::TakeCustomizeSelection()
{
    if (s_CustomizeSelectionBar == this)
        return;
    if (CGTToolBar* other = s_CustomizeSelectionBar; other != nullptr && other->IsLive()) {
        const int selected = other->m_SelectedIndex;
        other->m_SelectedIndex = -1;
        other->InvalidateButton(selected);
    }
    s_CustomizeSelectionBar = this;
}

void CGTToolBar::SelectForCustomizing(int iIndex)
{
    const int previous = m_SelectedIndex;
    m_SelectedIndex = iIndex;
    InvalidateButton(previous);
    InvalidateButton(iIndex);
}

void CGTToolBar::OnCustomizePress(int iIndex, UINT iFlags, CPoint iPoint)
{
    CGTToolbarButton* button = GetButton(iIndex);
    SelectForCustomizing(iIndex);
    if (!button->IsCustomizable()) {
        SelectForCustomizing(-1);
    } else {
        UpdateWindow();
        if (button->IsControlButton() && button->Rect().right - iPoint.x < resizeEdge && !s_AltDrag) {
            BeginCustomizeResize(button);
        } else if (button->CanBeStored() && button->OnBeforeDrag()) {
            m_DraggedButton = button;
            m_CopyDrag = (iFlags & MK_CONTROL) != 0;
            m_DragStart = iPoint;
            // The bar may end while the button is dragged: then nothing of it is touched.
            if (!DragButton(iIndex))
                return;
            m_DraggedButton = nullptr;
            m_CopyDrag = FALSE;
            m_DragStart = CPoint(-1, -1);
        }
    }
    if (s_AltDrag) {
        s_AltDrag = FALSE;
        SetCustomizeMode(FALSE);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
}

BOOL CGTToolBar::DragButton(int iIndex)
{
    CGTToolbarButton* button = GetButton(iIndex);
    COleDataSource data;
    if (!button->PrepareDrag(data))
        return TRUE;
    ShowCommandMessageString(button->m_CommandId);
    if (s_AltDrag)
        s_CustomizeMode = TRUE;
    const HWND window = m_hWnd;
    const CRect start = button->Rect();
    CGTToolbarDropSource& source = GetDropSource();
    const DROPEFFECT effect = data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &start, &source);
    if (!::IsWindow(window)) {
        s_AltDrag = FALSE;
        s_CustomizeMode = FALSE;
        return FALSE;
    }
    if (!source.IsDragStarted()) {
        SetHot(iIndex);
        return TRUE;
    }
    POINT cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    // A drop on this bar itself took the dragged button already.
    const BOOL moved =
        effect != DROPEFFECT_COPY && !source.WasEscapePressed() && !start.PtInRect(cursor) && m_DraggedButton == button;
    if (moved && OnRemoveDraggedButton(button) && GetButton(iIndex) == button) {
        RemoveButton(iIndex);
        if (!s_AltDrag)
            AdjustLayout();
        RecalcButtonLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        if (CFrameWnd* frame = GetParentFrame())
            frame->RecalcLayout();
        return TRUE;
    }
    InvalidateButton(iIndex);
    return TRUE;
}

BOOL CGTToolBar::OnRemoveDraggedButton(CGTToolbarButton*)
{
    return TRUE;
}

void CGTToolBar::BeginCustomizeResize(CGTToolbarButton* iButton)
{
    m_ResizedButton = iButton;
    m_ResizeRect = iButton->Rect();
    if (iButton->GetHwnd() != nullptr)
        m_ResizeRect.InflateRect(2, 2);
    m_SavedCapture = ::SetCapture(m_hWnd);
    ::SetCursor(theGuiToolkitGlobals.cursorToolbarDrag1);
}

void CGTToolBar::TrackCustomizeResize(CPoint iPoint)
{
    if (m_ResizedButton == nullptr || iPoint.x - m_ResizedButton->Rect().left < leastWidth)
        return;
    const CRect previous = m_ResizeRect;
    m_ResizeRect.right = iPoint.x;
    CClientDC dc(this);
    dc.DrawDragRect(&m_ResizeRect, CSize(2, 2), &previous, CSize(2, 2));
    ::SetCursor(theGuiToolkitGlobals.cursorToolbarDrag1);
}

void CGTToolBar::EndCustomizeResize(CPoint iPoint)
{
    if (m_ResizedButton == nullptr)
        return;
    const CRect old = m_ResizedButton->Rect();
    const int width = iPoint.x - old.left;
    CGTToolbarButton* button = m_ResizedButton;
    CancelCustomizeResize();
    if (width >= leastWidth && std::abs(iPoint.x - old.right) > leastMove) {
        button->OnSize(width);
        AdjustLayout();
    }
    if (CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
}

void CGTToolBar::CancelCustomizeResize()
{
    if (m_ResizedButton == nullptr)
        return;
    m_ResizedButton = nullptr;
    m_ResizeRect.SetRectEmpty();
    ReleaseMouse();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

BOOL CGTToolBar::IsNearResizeEdge(CPoint iPoint) const
{
    const CGTToolbarButton* selected = GetButton(m_SelectedIndex);
    return selected != nullptr && selected->IsControlButton() && selected->Rect().PtInRect(iPoint) &&
        selected->Rect().right - iPoint.x < resizeEdge;
}
