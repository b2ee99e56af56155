// Editing the toolbar while the toolbars are being customized.
#include <guitoolkit/toolbars/CGTToolBar.h>

DROPEFFECT CGTToolBar::OnDragEnter(COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    return OnDragOver(iData, iKeyState, iPoint);
}

DROPEFFECT CGTToolBar::OnDragOver(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void CGTToolBar::OnDragLeave()
{
    m_InsertionIndex = -1;
    m_InsertionMark.SetRectEmpty();
}

BOOL CGTToolBar::OnDrop(COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

CGTToolbarButton* CGTToolBar::CreateDroppedButton(COleDataObject* iData)
{
    return CGTToolbarButton::CreateFromOleData(iData);
}

int CGTToolBar::CalcInsertionMarkRect(CPoint, CRect& oMark)
{
    oMark.SetRectEmpty();
    return -1;
}

void CGTToolBar::DrawButtonItem(CDC* iDc, CGTToolbarButton* iButton, CGTToolBarImages* iImages, BOOL iHighlight,
                                BOOL iGrayDisabled)
{
    if (!iButton->IsVisible() || iButton->IsHiddenByLayout() || !iDc->RectVisible(&iButton->Rect()))
        return;
    const BOOL customizeLook = s_CustomizeMode && !s_AltDrag && !m_Locked;
    iButton->OnDraw(iDc, iButton->Rect(), iImages, IsHorizontal(), customizeLook, iHighlight, m_DrawBorder,
                    m_GrayDisabled && iGrayDisabled);
}

BOOL CGTToolBar::UpdateMenuItemState(CGTToolbarButton*, CMenu*)
{
    return FALSE;
}

void CGTToolBar::AdjustGroupSeparator(CGTToolbarButton*, POINT, POINT) {}
