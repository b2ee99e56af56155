// A toolbar button that stands for a group of commands: it shows the image of the group's
// current command with a small triangle in its corner. A short click runs the current
// command; held for half a second it opens a frame with the group's buttons, and the one
// chosen there runs and becomes the current command.
//
// Stored format, after the button's own: the group bar's control id (0 for none), the
// group's name, the current command's image index.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarButton.h>

class CGTDropDownFrame;
class CGTDropDownToolBar;

class CGTDropDownToolbarButton : public CGTToolbarButton {
    DECLARE_SERIAL(CGTDropDownToolbarButton)
public:
    CGTDropDownToolbarButton();
    // The group's buttons are the group bar's; it needs a window to be found again.
    CGTDropDownToolbarButton(LPCWSTR iName, CGTDropDownToolBar* iGroup);
    ~CGTDropDownToolbarButton() override;

    void Serialize(CArchive& ioArchive) override;
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    // The first press starts the hold; the held press (or a second call) opens or closes
    // the frame. Never handled: the bar keeps the mouse.
    BOOL OnClick(CWnd* iOwner, BOOL iDelay) override;
    // TRUE when the release must run no command (the hold had already opened the frame).
    BOOL OnCancelDropDownDelay() override;
    void OnChangeParent(CWnd* iOwner) override;
    // The menu item that stands for the button opens the group as a sub-menu.
    BOOL ExportTo(CGTToolbarButton& oTarget) override;
    void OnCancelMode() override;
    BOOL OnCustomizeMenu(CMenu* iPopup) override;
    int DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected) override;
    BOOL IsExtraSize() const override;

    // The command becomes the current one, with its image from the group.
    void SetDefaultCommand(UINT iCommandId);
    // Opens the frame beside the button on iParent (null: the bar it stands on).
    BOOL ShowDropDown(CWnd* iParent);
    CGTDropDownFrame* GetOpenFrame() const { return m_Frame; }
    // The frame went.
    void OnFrameClosed() { m_Frame = nullptr; }
    CGTDropDownToolBar* GetGroup() const { return m_Group; }
    // The bar the button stands on; null for none.
    CGTToolBar* GetParentToolBar() const { return m_ParentBar; }
    const CString& GetName() const { return m_Name; }
    int GetImageIndex() const { return m_ImageIndex; }
    BOOL IsHoldPending() const { return m_Timer != 0; }

    // How long a press must be held to open the frame, in milliseconds.
    static UINT s_HoldDelay;

protected:
    void CloseFrame();
    void StopHold();
    void DrawTriangle(CDC* iDc, const CRect& iRect) const;
    static void CALLBACK OnHoldTimer(HWND iWindow, UINT, UINT_PTR, DWORD);

    CGTDropDownToolBar* m_Group;
    CString m_Name;
    CGTDropDownFrame* m_Frame;
    CWnd* m_ParentWindow;
    UINT_PTR m_Timer;
    HWND m_TimerWindow;
    int m_ImageIndex;
    BOOL m_Drawing;
    BOOL m_ImageIsUserImage;

    // The button whose hold is running; one at a time.
    static CGTDropDownToolbarButton* s_Pending;
};
