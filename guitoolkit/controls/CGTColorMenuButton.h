// A toolbar or menu button that drops a colour popup down and shows the colour it holds as
// a stripe under its image. Buttons of the same command share their colour, and the
// last-colour map remembers it per command.
//
// Stored format, after the menu button's: the palette as a colour list; columns, docked rows,
// docked columns and the show flags of the automatic, other and document captions (32-bit);
// the three captions (archive strings); the system-dialog flag (32-bit).
#pragma once
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <vector>

class CGTColorMenuButton : public CGTToolbarMenuButton {
    DECLARE_SERIAL(CGTColorMenuButton)
public:
    CGTColorMenuButton();
    // iColors empty: the 20 colours of the stock default palette.
    CGTColorMenuButton(UINT iCommandId, LPCWSTR iText, const std::vector<COLORREF>& iColors = {}, int iImage = -1);

    // Stores the colour under the command in the last-colour map and repaints; with iNotify
    // every other colour menu button and every colour bar of the command takes it too.
    virtual void SetColor(COLORREF iColor, BOOL iNotify = TRUE);
    COLORREF GetColor() const { return m_Color; }
    // The colour of every colour menu button of the command on the toolbars, without notice.
    static void SetCommandColor(UINT iCommandId, COLORREF iColor);
    // TRUE with the colour chosen in the system's or the toolkit's dialog.
    virtual BOOL OpenColorDialog(COLORREF iInitial, COLORREF& oColor);

    void EnableAutomaticButton(LPCWSTR iCaption, COLORREF iAutomatic, BOOL iEnable = TRUE);
    void EnableOtherButton(LPCWSTR iCaption, BOOL iSystemDialog = FALSE, BOOL iEnable = TRUE);
    void EnableDocumentColors(LPCWSTR iCaption, BOOL iEnable = TRUE);
    void SetColumnsNumber(int iColumns) { m_Columns = iColumns; }
    const std::vector<COLORREF>& GetColors() const { return m_Colors; }

    void Serialize(CArchive& ioArchive) override;
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    int DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected) override;
    void OnChangeParent(CWnd* iOwner) override;
    CGTPopupMenu* CreatePopupMenu() override;
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }
    // The stripe under the image: the selected colour, else the automatic one, the shadow
    // colour while disabled.
    CRect GetStripeRect(const CRect& iRect, BOOL iHorizontal) const;

private:
    std::vector<COLORREF> m_Colors;
    COLORREF m_Color;
    COLORREF m_Automatic;
    int m_Columns;
    int m_DockedRows;
    int m_DockedColumns;
    CString m_AutomaticCaption;
    CString m_OtherCaption;
    CString m_DocumentCaption;
    BOOL m_ShowAutomatic;
    BOOL m_ShowOther;
    BOOL m_ShowDocument;
    BOOL m_SystemDialog;
    BOOL m_OnMenuBar;
};
