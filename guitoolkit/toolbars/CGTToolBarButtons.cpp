// Putting buttons into the toolbar and taking them out.
#include <guitoolkit/toolbars/CGTToolBar.h>

BOOL CGTToolBar::Create(CWnd* iParent, DWORD iStyle, UINT iId)
{
    return CreateEx(iParent, TBSTYLE_FLAT, iStyle, CRect(1, 1, 1, 1), iId);
}

int CGTToolBar::InsertButton(CGTToolbarButton* iButton, int iIndex)
{
    const int count = GetButtonCount();
    if (iButton == nullptr || iIndex < -1 || iIndex > count)
        return -1;
    if (iIndex == -1 || iIndex == count) {
        if (m_CustomizeButton == nullptr) {
            m_Buttons.AddTail(iButton);
            iIndex = count;
        } else {
            m_Buttons.InsertBefore(m_Buttons.Find(m_CustomizeButton), iButton);
            iIndex = count - 1;
        }
    } else {
        m_Buttons.InsertBefore(m_Buttons.FindIndex(iIndex), iButton);
    }
    iButton->OnChangeParent(this);
    return iIndex;
}

BOOL CGTToolBar::RemoveButton(int iIndex)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr || button == m_CustomizeButton)
        return FALSE;
    m_Buttons.RemoveAt(m_Buttons.FindIndex(iIndex));
    button->OnCancelMode();
    delete button;
    // Indexes past the removed button move down; one that named it names nothing.
    for (int* index : {&m_SelectedIndex, &m_PressedIndex}) {
        if (*index == iIndex)
            *index = -1;
        else if (*index > iIndex)
            --*index;
    }
    if (m_HotIndex >= iIndex)
        SetHot(m_HotIndex == iIndex ? -1 : m_HotIndex - 1);
    // No separator ends the bar (but a lone first entry), and none follows another.
    const int last = GetButtonCount() - (m_CustomizeButton != nullptr ? 2 : 1);
    for (int tail = last; tail > 0 && GetButton(tail)->IsSeparator(); --tail) {
        delete GetButton(tail);
        m_Buttons.RemoveAt(m_Buttons.FindIndex(tail));
    }
    CGTToolbarButton* before = GetButton(iIndex - 1);
    CGTToolbarButton* after = GetButton(iIndex);
    if (before != nullptr && after != nullptr && after != m_CustomizeButton && before->IsSeparator() &&
        after->IsSeparator()) {
        m_Buttons.RemoveAt(m_Buttons.FindIndex(iIndex));
        delete after;
    }
    return TRUE;
}

BOOL CGTToolBar::LoadBitmap(UINT iResourceId, UINT iColdId, UINT iMenuId, BOOL iLocked, UINT iDisabledId,
                            UINT iMenuDisabledId)
{
    const GTToolBarImageIds ids = {iColdId, iResourceId, iDisabledId, 0, 0, 0, iMenuId, iMenuDisabledId};
    return LoadBitmapEx(ids, iLocked);
}

BOOL CGTToolBar::LoadToolBar(UINT iResourceId, UINT iColdId, UINT iMenuId, BOOL iLocked, UINT iDisabledId,
                             UINT iMenuDisabledId, UINT iHotId)
{
    const GTToolBarImageIds ids = {iColdId, iHotId, iDisabledId, 0, 0, 0, iMenuId, iMenuDisabledId};
    return LoadToolBarEx(iResourceId, ids, iLocked);
}

BOOL CGTToolBar::LoadBitmapEx(const GTToolBarImageIds&, BOOL)
{
    return FALSE;
}

BOOL CGTToolBar::LoadToolBarEx(UINT, const GTToolBarImageIds&, BOOL)
{
    return FALSE;
}

BOOL CGTToolBar::RestoreOriginalState()
{
    return FALSE;
}

BOOL CGTToolBar::MergeOriginalButtons(const CObList&)
{
    return FALSE;
}
