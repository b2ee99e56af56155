#include <guitoolkit/toolbars/CGTToolbarDropTarget.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

CGTToolbarDropTarget::CGTToolbarDropTarget() : m_Owner(nullptr) {}

BOOL CGTToolbarDropTarget::Register(CGTToolBar* iOwner)
{
    m_Owner = iOwner;
    return COleDropTarget::Register(iOwner);
}

BOOL CGTToolbarDropTarget::Accepts(COleDataObject* iData) const
{
    return m_Owner != nullptr && CGTToolBar::IsCustomizeMode() && iData != nullptr &&
        iData->IsDataAvailable(CGTToolbarButton::GetClipboardFormat());
}

DROPEFFECT CGTToolbarDropTarget::OnDragEnter(CWnd*, COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    return Accepts(iData) ? m_Owner->OnDragEnter(iData, iKeyState, iPoint) : DROPEFFECT_NONE;
}

DROPEFFECT CGTToolbarDropTarget::OnDragOver(CWnd*, COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    return Accepts(iData) ? m_Owner->OnDragOver(iData, iKeyState, iPoint) : DROPEFFECT_NONE;
}

DROPEFFECT CGTToolbarDropTarget::OnDropEx(CWnd*, COleDataObject* iData, DROPEFFECT iDefaultEffect, DROPEFFECT,
                                          CPoint iPoint)
{
    return Accepts(iData) && m_Owner->OnDrop(iData, iDefaultEffect, iPoint) ? iDefaultEffect : DROPEFFECT_NONE;
}

void CGTToolbarDropTarget::OnDragLeave(CWnd*)
{
    if (m_Owner != nullptr)
        m_Owner->OnDragLeave();
}
