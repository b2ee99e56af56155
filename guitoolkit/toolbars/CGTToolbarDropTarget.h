// The drop target each toolbar registers: while the toolbars are being customized, buttons
// dragged in the toolbar button format go to the bar's own drag and drop operations; other
// data, and any drag outside customize mode, is refused without asking the bar.
#pragma once
#include <afxole.h>

class CGTToolBar;

class CGTToolbarDropTarget : public COleDropTarget {
public:
    CGTToolbarDropTarget();

    // Drags over the bar's window come to the bar.
    BOOL Register(CGTToolBar* iOwner);

    DROPEFFECT OnDragEnter(CWnd* iWnd, COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    DROPEFFECT OnDragOver(CWnd* iWnd, COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    DROPEFFECT OnDropEx(CWnd* iWnd, COleDataObject* iData, DROPEFFECT iDefaultEffect, DROPEFFECT iListEffect,
                        CPoint iPoint) override;
    void OnDragLeave(CWnd* iWnd) override;

private:
    BOOL Accepts(COleDataObject* iData) const;

    CGTToolBar* m_Owner;
};
