// A palette as a grid of colour cells on a popup menu bar: an optional automatic-colour
// button, the palette, an optional captioned row of document colours and an optional
// other-colour button followed by a cell that shows a selected colour the cells do not
// hold. It lives in a colour popup (of a colour menu button or of a receiver such as a grid
// colour cell), free on a frame as a torn-off bar, or as a dialog control (CreateControl).
//
// A choice goes to the colour menu button whose popup holds the bar, else to the receiver,
// else for a control to its owner as WM_COMMAND with the control id, else (a free bar) to
// every colour menu button of the bar's command, the last-colour map and the owner frame as
// WM_COMMAND with the command id.
//
// Stored format, after the toolbar's: columns, docked rows, docked columns, automatic colour
// (32-bit); automatic, other and document captions (archive strings); docked flag, command
// id, system-dialog flag (32-bit); the palette as a colour list.
#pragma once
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <afxtempl.h>
#include <vector>

class CColorButton;
class CGTColorMenuButton;

// What a colour popup opened for a control other than a menu button reports to it.
class IGTColorReceiver {
public:
    virtual void OnColorChosen(COLORREF iColor) = 0;
    virtual void OnColorPopupClosed() = 0;

protected:
    ~IGTColorReceiver() = default;
};

// An update pass that only learns whether the bar's command is enabled.
class CGTColorCCmdUI : public CCmdUI {
public:
    CGTColorCCmdUI();
    void Enable(BOOL iOn = TRUE) override;
    BOOL m_Enabled;
};

struct GTColorBarSettings {
    std::vector<COLORREF> colors;
    COLORREF selected = static_cast<COLORREF>(-1);
    // Empty: the element is left out.
    CString automaticCaption;
    CString otherCaption;
    CString documentCaption;
    std::vector<COLORREF> documentColors;
    // Below 1: the integer square root of the colour count plus 1.
    int columns = 0;
    int dockedRows = -1;
    int dockedColumns = -1;
    COLORREF automaticColor = static_cast<COLORREF>(-1);
    UINT commandId = 0;
    BOOL systemDialog = FALSE;
};

class CGTColorBar : public CGTPopupMenuBar {
    DECLARE_SERIAL(CGTColorBar)
public:
    CGTColorBar();
    // iReceiver: the control the popup was opened for; null for a menu button's popup and
    // for a free bar.
    CGTColorBar(const GTColorBarSettings& iSettings, IGTColorReceiver* iReceiver = nullptr);
    // A free copy of another bar's palette, captions, counts and flags.
    CGTColorBar(const CGTColorBar& iSource, UINT iCommandId);
    ~CGTColorBar() override;

    // The bar as a dialog control: iPalette null gives the 20 colours of the stock default
    // palette; iColumns below 1 as many as let square cells fill the rectangle.
    BOOL CreateControl(CWnd* iParent, const CRect& iRect, UINT iId, int iColumns = -1, CPalette* iPalette = nullptr);
    // -1: none (the automatic button when there is one).
    void SetSelectedColor(COLORREF iColor);
    COLORREF GetColor() const { return m_Selected; }
    const std::vector<COLORREF>& GetColors() const { return m_Colors; }
    // The cell of a palette or document colour, in client coordinates; empty for a colour the
    // bar does not hold.
    CRect GetCellRect(COLORREF iColor) const;
    // An empty caption takes the other-colour button away.
    void SetOtherButton(LPCWSTR iCaption, BOOL iSystemDialog = FALSE);
    void SetVertSpacing(int iPixels);
    void SetHorzSpacing(int iPixels);
    void SetDocumentColors(LPCWSTR iCaption, const CList<COLORREF, COLORREF>& iColors, BOOL iShowWhenDocked = FALSE);
    UINT GetCommandId() const { return m_CommandId; }
    BOOL IsCommandEnabled() const { return m_Enabled; }
    // The 256-colour palette in use while drawing; null on other displays.
    BOOL UsesPalette() const;
    CPalette* GetPalette() { return &m_Palette; }

    // The cells again, in order: automatic button, palette, document caption and colours,
    // other button and selected-colour cell.
    virtual void Rebuild();
    // Columns and rows of the palette grid.
    CSize GetGridSize() const;
    // The height below the palette that the captioned rows and document colours take.
    int GetExtraHeight(int iColumns) const;
    CSize GetBoxSize() const { return m_BoxSize; }
    // Box sizes (and centring offsets) that fit the grid to the client rectangle.
    void FitToClient(BOOL iSquare, BOOL iCentre);
    // The columns a dialog control of this size shows for iCount colours; below 1 for the
    // automatic rule.
    static int ControlColumns(int iCount, CSize iSize, int iHorzSpacing, int iVertSpacing);

    void Serialize(CArchive& ioArchive) override;
    void OnSendCommand(CGTToolbarButton* iItem) override;
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    void RecalcButtonLayout() override;
    void AdjustLayout() override;
    void DoPaint(CDC* iDc) override;
    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;
    void ShowCommandMessageString(UINT iCommandId) override;
    INT_PTR OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::ColorBar; }
    BOOL ShowsImageColumn() const override { return FALSE; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* iFocusWnd);
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void CopySettings(const GTColorBarSettings& iSettings);
    // The colour menu button whose popup holds the bar; null for none.
    CGTColorMenuButton* GetParentMenuButton() const;
    BOOL HasParent() const { return m_Receiver != nullptr || GetParentMenuButton() != nullptr; }
    // A library menu is busy and the bar is not in its internal mode: mouse input waits.
    BOOL IgnoresMouse() const;
    BOOL ShowsDocumentColors() const;
    BOOL ShowsIndicator() const;
    // The colour the other button's dialog chose; FALSE when it was cancelled.
    BOOL ChooseOtherColor(COLORREF& oColor);
    void Deliver(COLORREF iColor);
    void ClosePopup();
    void BuildPalette();
    void PlaceRow(CColorButton& ioCell, int& ioTop, int iHeight, int iLeft, int iWidth) const;

    std::vector<COLORREF> m_Colors;
    CPalette m_Palette;
    int m_Columns;
    int m_DockedRows;
    int m_DockedColumns;
    CSize m_BoxSize;
    int m_RowHeight;
    COLORREF m_Selected;
    COLORREF m_Automatic;
    CString m_AutomaticCaption;
    CString m_OtherCaption;
    CString m_DocumentCaption;
    CList<COLORREF, COLORREF> m_DocumentColors;
    UINT m_CommandId;
    BOOL m_SystemDialog;
    BOOL m_Enabled;
    BOOL m_Docked;
    BOOL m_ShowDocumentsWhenDocked;
    // A dialog control: its choices go to its owner with its control id.
    BOOL m_Control;
    IGTColorReceiver* m_Receiver;
    CPoint m_Offset;
    int m_VertSpacing;
    int m_HorzSpacing;
    BOOL m_PaletteChanging;
};
