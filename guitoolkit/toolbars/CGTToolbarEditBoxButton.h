// The toolbar button that carries a one-line edit field. The button keeps the field's text,
// so that it survives when the window is made again; every edit-box button of one command
// shows the same text. Typing reaches the application as EN_UPDATE from the bar, which then
// reads the text from the button.
//
// Stored format, after the button's own: width, edit style, the text, then the context menu
// id and the calculator flag while the menu hash is busy, or from data version 0x60410
// (resp. 0x60720) on but for 0x70000.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarButton.h>

class CGTToolbarEditCtrl;

class CGTToolbarEditBoxButton : public CGTToolbarButton {
    DECLARE_SERIAL(CGTToolbarEditBoxButton)
public:
    CGTToolbarEditBoxButton();
    // Width 0 is 150.
    CGTToolbarEditBoxButton(UINT iCommandId, int iImage, DWORD iStyle = ES_AUTOHSCROLL, int iWidth = 0);
    ~CGTToolbarEditBoxButton() override;

    void Serialize(CArchive& ioArchive) override;
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    BOOL OnClick(CWnd* iOwner, BOOL iDelay) override;
    void OnChangeParent(CWnd* iOwner) override;
    void OnMove() override;
    void OnSize(int iWidth) override;
    HWND GetHwnd() override;
    BOOL IsControlButton() const override { return TRUE; }
    BOOL NotifyCommand(int iNotifyCode) override;
    void OnAddToCustomizePage() override;
    HBRUSH OnCtlColor(CDC* iDc, UINT iCtlColor) override;
    BOOL HasBorder() const override;
    void OnGlobalFontsChanged() override;
    int DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected) override;
    void OnShow(BOOL iShow) override;
    CRect GetRect() const override;
    void SetStyle(UINT iStyle) override;
    BOOL OnUpdateToolTip(CWnd* iOwner, int iIndex, CToolTipCtrl& ioTooltip, CString& ioText) override;

    // Null when the window cannot be made.
    virtual CGTToolbarEditCtrl* CreateEdit(CWnd* iParent, const CRect& iRect);
    virtual void SetContents(const CString& iText);
    // The window's rectangle in its parent, one pixel larger all round.
    virtual void GetEditBorder(CRect& oRect) const;
    // Called whenever the window is shown or hidden.
    virtual void OnShowEditbox(BOOL) {}

    const CString& GetContents() const { return m_Contents; }
    CGTToolbarEditCtrl* GetEditBox() const { return m_Edit; }
    BOOL IsHot() const { return m_Hot; }
    void SetHot(BOOL iHot);
    UINT GetContextMenuId() const { return m_ContextMenuId; }
    void SetContextMenuId(UINT iMenuId) { m_ContextMenuId = iMenuId; }
    void EnableCalculatorMode(BOOL iOn) { m_CalculatorMode = iOn; }
    BOOL IsCalculatorMode() const { return m_CalculatorMode; }
    int GetWidth() const { return m_Width; }

protected:
    void ResetState();
    BOOL HasVisibleEdit() const;
    BOOL IsDisabledLook() const;
    // The window's text without taking it as typing.
    void SetEditWindowText(const CString& iText);

    DWORD m_EditStyle;
    CGTToolbarEditCtrl* m_Edit;
    CString m_Contents;
    BOOL m_SettingText;
    int m_Width;
    BOOL m_Hot;
    UINT m_ContextMenuId;
    BOOL m_CalculatorMode;
};
