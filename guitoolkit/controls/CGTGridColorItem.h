// A cell that holds a colour (as its colour and as a VT_I4 value). The grid knows its
// run-time class; its palette drop-down is built elsewhere.
#pragma once
#include <guitoolkit/controls/CGTGridItem.h>

class CGTGridColorItem : public CGTGridItem {
    DECLARE_DYNCREATE(CGTGridColorItem)
public:
    CGTGridColorItem();
    explicit CGTGridColorItem(COLORREF iColor, DWORD_PTR iData = 0);

    COLORREF GetColor() const { return m_Color; }
    // A chosen colour: stored, repainted at once, shown in an open editor, reported when it
    // changed, and committed.
    void SetColor(COLORREF iColor);

protected:
    COLORREF m_Color;
};
