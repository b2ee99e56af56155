// Where a button dragged over the bar would land, and the mark that shows it.
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
// The mark on the nearer of a button's leading and trailing edges (ties go to the leading
// one); TRUE for the trailing edge.
BOOL NearerTrailing(int iPoint, int iLeading, int iTrailing)
{
    return iTrailing - iPoint < iPoint - iLeading;
}
}  // namespace

int CGTToolBar::CalcInsertionMarkRect(CPoint iPoint, CRect& oMark)
{
    oMark.SetRectEmpty();
    const int count = GetButtonCount();
    if (count == 0 || (count == 1 && m_CustomizeButton != nullptr)) {
        GetClientRect(&oMark);
        return 0;
    }
    const BOOL horizontal = IsHorizontal();
    const int rowHeight = GetRowHeight();
    int last = -1;
    for (int index = 0; index < count; ++index) {
        const CGTToolbarButton* button = GetButton(index);
        if (!button->IsVisible() || button->IsHiddenByLayout())
            continue;
        const CRect& rect = button->Rect();
        last = index;
        if (horizontal) {
            // The row of a button reaches one row height down from its top; a point above the
            // first row counts as in it.
            if (iPoint.y >= rect.top + rowHeight)
                continue;
            if (iPoint.x >= rect.right) {
                const CGTToolbarButton* next = GetButton(index + 1);
                if (next != nullptr && next->Rect().top == rect.top)
                    continue;
                if (button == m_CustomizeButton)
                    return -1;
                oMark.SetRect(rect.right, rect.top, rect.right, rect.bottom);
                return index + 1;
            }
            const BOOL trailing = iPoint.x >= rect.left && NearerTrailing(iPoint.x, rect.left, rect.right);
            if (trailing && button == m_CustomizeButton)
                return -1;
            const int x = trailing ? rect.right : rect.left;
            oMark.SetRect(x, rect.top, x, rect.bottom);
            return trailing ? index + 1 : index;
        }
        if (iPoint.y >= rect.bottom)
            continue;
        const BOOL trailing = iPoint.y >= rect.top && NearerTrailing(iPoint.y, rect.top, rect.bottom);
        if (trailing && button == m_CustomizeButton)
            return -1;
        const int y = trailing ? rect.bottom : rect.top;
        oMark.SetRect(rect.left, y, rect.right, y);
        return trailing ? index + 1 : index;
    }
    const CGTToolbarButton* lastButton = GetButton(last);
    if (lastButton == nullptr || lastButton == m_CustomizeButton)
        return -1;
    const CRect& rect = lastButton->Rect();
    if (horizontal)
        oMark.SetRect(rect.right, rect.top, rect.right, rect.bottom);
    else
        oMark.SetRect(rect.left, rect.bottom, rect.right, rect.bottom);
    return count;
}

void CGTToolBar::DrawInsertionMark(CDC* iDc)
{
    if (m_InsertionIndex < 0 || m_InsertionPen.GetSafeHandle() == nullptr)
        return;
    CPen* previous = iDc->SelectObject(&m_InsertionPen);
    const CRect& mark = m_InsertionMark;
    const int serif = 3;
    if (IsHorizontal()) {
        const int x = mark.CenterPoint().x;
        for (int offset = 0; offset < 2; ++offset) {
            iDc->MoveTo(x + offset - 1, mark.top);
            iDc->LineTo(x + offset - 1, mark.bottom);
            iDc->MoveTo(x - serif, mark.top + offset);
            iDc->LineTo(x + serif, mark.top + offset);
            iDc->MoveTo(x - serif, mark.bottom - 1 - offset);
            iDc->LineTo(x + serif, mark.bottom - 1 - offset);
        }
    } else {
        const int y = mark.CenterPoint().y;
        for (int offset = 0; offset < 2; ++offset) {
            iDc->MoveTo(mark.left, y + offset - 1);
            iDc->LineTo(mark.right, y + offset - 1);
            iDc->MoveTo(mark.left + offset, y - serif);
            iDc->LineTo(mark.left + offset, y + serif);
            iDc->MoveTo(mark.right - 1 - offset, y - serif);
            iDc->LineTo(mark.right - 1 - offset, y + serif);
        }
    }
    iDc->SelectObject(previous);
}
