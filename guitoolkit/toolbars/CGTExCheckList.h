// The check list of the Toolbars page: a check list whose items can each be locked, so that
// their checks cannot change (a bar that cannot be closed stays shown).
#pragma once
#include <afxwin.h>
#include <afxctrls.h>
#include <afxtempl.h>

class CGTExCheckList : public CCheckListBox {
public:
    // An index outside the items throws CInvalidArgException.
    void SetItemState(int iIndex, BOOL iEnabled);
    BOOL GetItemState(int iIndex) const;

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override;
    // A click, Space or double click on a locked item's check box: a beep and nothing else
    // (an allowed one toggles the check and tells the parent, as the check list does).
    // TRUE when the message is taken.
    BOOL RefuseLockedCheck(UINT iMessage, WPARAM iWParam, LPARAM iLParam);
    void CheckIndex(int iIndex) const;

    // One flag per item, in the items' order.
    CArray<int, int> m_Enabled;
};
