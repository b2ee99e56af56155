// The item of every toolbar, menu bar and popup menu: one command with an image, a caption,
// a style word (low word: button style, high word: state bits) and a rectangle in its
// owner. Every other item kind derives from it and overrides its virtual operations, whose
// order all of them share. A button belongs to exactly one list, which deletes it; copies
// are made by creating an object of the run-time class and calling CopyFrom.
//
// Stored format (archives, drag data, the toolbars' "Buttons" values): 32-bit words for the
// command, the style and the image in use, the caption as an archive string, then the
// user-image, from-command-list, show-text and show-image flags, and the visible flag only
// while the menu hash is busy or the workspace's data version is 0x60410 or later.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <afxole.h>
#include <guitoolkit/core/GTLookTargets.h>

class CGTToolBar;
class CGTToolBarImages;

class CGTToolbarButton : public CObject, public IGTLookButton {
    DECLARE_SERIAL(CGTToolbarButton)
public:
    CGTToolbarButton();
    // An image of -1 takes the command's image from the command manager; any other is
    // recorded there (neither for a locked button or command 0).
    CGTToolbarButton(UINT iCommandId, int iImage, LPCWSTR iText = nullptr, BOOL iUserImage = FALSE,
                     BOOL iLocked = FALSE);
    ~CGTToolbarButton() override;
    CGTToolbarButton(const CGTToolbarButton&) = delete;
    CGTToolbarButton& operator=(const CGTToolbarButton&) = delete;

    void Serialize(CArchive& ioArchive) override;

    // The button under the toolbar clipboard format; TRUE without data for a button that is
    // not stored, FALSE when the data cannot be made.
    virtual BOOL PrepareDrag(COleDataSource& ioSource);
    virtual BOOL CanBeDropped(CGTToolBar* iTarget);
    // Command, locked and user-image flags, style, image, texts, show flags, copied and
    // visible flags; the copy does not come from the command list.
    virtual void CopyFrom(const CGTToolbarButton& iSource);
    virtual void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                        BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled);
    virtual CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal);
    // TRUE: handled (the owner then sends no command).
    virtual BOOL OnClick(CWnd* iOwner, BOOL iDelay);
    virtual BOOL OnCancelDropDownDelay();
    virtual void OnChangeParent(CWnd* iOwner);
    // An empty caption of a command takes the part after the first newline of the command's
    // string resource.
    virtual BOOL ExportTo(CGTToolbarButton& oTarget);
    virtual void OnMove();
    virtual void OnSize(int iWidth);
    // The window of an embedded control; null for plain buttons.
    virtual HWND GetHwnd();
    virtual BOOL IsControlButton() const;
    virtual BOOL NotifyCommand(int iNotifyCode);
    virtual void OnAddToCustomizePage();
    virtual HBRUSH OnCtlColor(CDC* iDc, UINT iCtlColor);
    virtual void OnDblClick(CWnd* iOwner);
    // FALSE: not saved with the bar, not dragged, no customize menu.
    virtual BOOL CanBeStored() const;
    virtual BOOL HasBorder() const;
    virtual void OnCancelMode();
    virtual void OnGlobalFontsChanged();
    virtual BOOL IsCustomizable() const;
    virtual BOOL OnClickUp(CWnd* iOwner);
    virtual BOOL OnCustomizeMenu(CMenu* iPopup);
    // A row of the customization command list; answers the width used.
    virtual int DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected);
    virtual BOOL IsDroppedDown() const;
    virtual BOOL OnBeforeDrag() const;
    // FALSE makes the target discard a dropped copy.
    virtual BOOL OnBeforeDrop(CGTToolBar* iTarget);
    // Asks the owning frame; 0 when it has no answer.
    virtual int GetTooltipText(CWnd* iOwner, TOOLINFO* ioInfo);
    virtual void OnCloseParentPopups();
    virtual void OnShow(BOOL iShow);
    // The rectangle to invalidate for the button.
    virtual CRect GetRect() const;
    virtual void SetStyle(UINT iStyle);
    virtual void ResetImageToDefault();
    virtual BOOL IsSameCommand(const CGTToolbarButton& iOther) const;
    virtual void EnableControl(BOOL iEnable = TRUE);
    virtual BOOL IsControlVisible();
    virtual BOOL IsControlOrChild(HWND iWindow);
    virtual BOOL ControlHasFocus();
    virtual BOOL OnUpdateToolTip(CWnd* iOwner, int iIndex, CToolTipCtrl& ioTooltip, CString& ioText);
    // A separator takes the value as its width; other buttons as the image in use.
    virtual void SetImage(int iImage);
    virtual void SetRadio();
    virtual BOOL IsExtraSize() const;

    // The toolbar button clipboard format, registered once per process.
    static CLIPFORMAT GetClipboardFormat();
    // A new button of the class the data names, which must be derived from this one; null
    // when the data holds none or cannot be read.
    static CGTToolbarButton* CreateFromOleData(COleDataObject* iData);
    // The name the format is registered under; the same text on every target.
    static CString ClipboardFormatName(HINSTANCE iModule);

    void Reset();
    void DrawFrame(CDC* iDc, const CRect& iRect, BOOL iHighlight);
    // OnMove when the rectangle changed.
    void SetRect(const CRect& iRect);
    const CRect& Rect() const { return m_Rect; }
    // The user-image index for a user image, else the image index.
    int GetImage() const { return m_UserImage ? m_UserImageIndex : m_Image; }
    BOOL IsSeparator() const { return (m_Style & TBBS_SEPARATOR) != 0; }
    BOOL IsLocked() const { return m_Locked; }
    BOOL IsHorizontal() const { return m_Horizontal; }
    BOOL IsVisible() const { return m_Visible; }
    void SetVisible(BOOL iVisible) { m_Visible = iVisible; }
    BOOL IsHiddenByLayout() const { return m_HiddenByLayout; }
    void SetHiddenByLayout(BOOL iHidden) { m_HiddenByLayout = iHidden; }
    void SetExtraSize(BOOL iExtraSize) { m_ExtraSize = iExtraSize; }
    const CSize& TextSize() const { return m_TextSize; }

    // IGTLookButton.
    UINT GetStyle() const override { return m_Style; }
    BOOL IsOutlookButton() const override { return FALSE; }
    BOOL IsShowAllButton() const override { return FALSE; }
    BOOL IsMenuButton() const override { return FALSE; }
    BOOL IsMenuItem() const override { return FALSE; }
    BOOL DrawOwnBorder(CDC*, const CRect&, int) override { return FALSE; }
    BOOL IsUsableInCustomizeMode() const override { return TRUE; }
    BOOL IsCustomizeMode() const override;
    COLORREF GetHotTextColor() const override;
    BOOL IsBeingCustomized() const override;
    IGTLookBar* GetParentBar() const override;
    IGTLookPopupMenu* GetOpenMenu() const override { return nullptr; }
    CRect GetScreenRect() const override;
    IGTLookCustomizeButton* AsCustomizeButton() override { return nullptr; }

    // Off while the workspace loads its stored state: standard images are then not recorded
    // with the command manager.
    static BOOL s_UpdateImages;

    BOOL m_UserImage;
    UINT m_CommandId;
    UINT m_Style;
    CString m_Text;
    BOOL m_ShowText;
    BOOL m_ShowImage;
    BOOL m_Copied;
    BOOL m_SecondFlag;
    BOOL m_TextBelow;
    // The row ends after this button; set by the bar's wrapping.
    BOOL m_Wrap;
    CString m_SecondText;
    BOOL m_FromCommandList;

protected:
    // The caption as measured and drawn: every "&" that marks an access key left out.
    static CString VisibleText(const CString& iText);
    // Whether a field that came with data version iVersion is stored: always while the menu
    // hash copies buttons, else when the workspace's data is of that version or later (but
    // not iSkippedVersion, which stores none of the later fields).
    static BOOL StoresFieldFrom(int iVersion, int iSkippedVersion = 0);
    // Whether OnDraw and CalcSize put an image on the button.
    BOOL DrawsImage() const { return m_ShowImage && GetImage() >= 0; }
    void StoreImage(int iImage);
    void DrawImage(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, CPoint iAt, BOOL iCustomizeMode,
                   BOOL iHighlight, BOOL iGrayDisabled);
    void DrawCaption(CDC* iDc, const CRect& iRect, const CRect& iImageRect, BOOL iHighlight);
    int CaptionState(BOOL iHighlight) const;

    CRect m_Rect;
    int m_Image;
    int m_UserImageIndex;
    BOOL m_Locked;
    BOOL m_HiddenByLayout;
    CSize m_TextSize;
    BOOL m_NoFrame;
    BOOL m_ExtraSize;
    BOOL m_Horizontal;
    BOOL m_Visible;
    // The bar the button was last put on; null for none.
    CGTToolBar* m_ParentBar;

private:
    static CLIPFORMAT s_ClipboardFormat;
};
