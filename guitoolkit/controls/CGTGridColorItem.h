// A cell that holds a colour (as its colour and as a VT_I4 value). Its button drops a
// colour popup down, whose choice becomes the cell's colour.
#pragma once
#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/controls/CGTGridItem.h>

class CColorPopup;

class CGTGridColorItem : public CGTGridItem, public IGTColorReceiver {
    DECLARE_DYNCREATE(CGTGridColorItem)
public:
    CGTGridColorItem();
    explicit CGTGridColorItem(COLORREF iColor, DWORD_PTR iData = 0);
    ~CGTGridColorItem() override;

    COLORREF GetColor() const { return m_Color; }
    // A chosen colour: stored, repainted at once, shown in an open editor, reported when it
    // changed, and committed.
    void SetColor(COLORREF iColor);
    // The open palette; null for none.
    CColorPopup* GetPopup() const { return m_Popup; }

    BOOL HasButton() const override { return TRUE; }
    void OnClickButton(CPoint iPoint) override;

    // IGTColorReceiver.
    void OnColorChosen(COLORREF iColor) override { SetColor(iColor); }
    void OnColorPopupClosed() override;

protected:
    COLORREF m_Color;
    CColorPopup* m_Popup;
};
