// The dialog "Button Appearance": how one toolbar or menu button looks in customize mode
// (image only, text only, image and text), which image it shows (its command's default image
// or one of the user's images, which can be drawn anew or edited) and its text. The button
// changes only on OK; a new or edited user image goes into the strip at once.
#pragma once
#include <afxwin.h>
#include <afxdialog.h>
#include <guitoolkit/toolbars/CButtonAppearanceModel.h>
#include <guitoolkit/toolbars/CButtonsList.h>

class CGTToolBarImages;
class CGTToolbarButton;

class CButtonAppearanceDlg : public CDialog {
public:
    // iUserImages may be null; the list shows its images from iFirstUserImage on. iMenuMode:
    // the button lives on a menu.
    CButtonAppearanceDlg(CGTToolbarButton* iButton, CGTToolBarImages* iUserImages, CWnd* iParent = nullptr,
                         int iFirstUserImage = 0, BOOL iMenuMode = FALSE);

    const CButtonAppearanceModel& GetModel() const { return m_Model; }
    CButtonsList& GetImagesList() { return m_ImagesList; }
    // Where the default image shows, in client coordinates.
    const CRect& GetPreviewRect() const { return m_PreviewRect; }

protected:
    // Lets the user draw the bitmap; TRUE when the drawing is to be kept. The open
    // customization sheet's editor, else the button image editor, unless a derived dialog
    // has another.
    virtual BOOL EditImage(CBitmap& ioBitmap);

    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnPaint();
    afx_msg void OnImageOnly();
    afx_msg void OnTextOnly();
    afx_msg void OnImageAndText();
    afx_msg void OnDefaultImage();
    afx_msg void OnUserImage();
    afx_msg void OnImageSelected();
    afx_msg void OnTextChanged();
    afx_msg void OnNewImage();
    afx_msg void OnEditImage();
    DECLARE_MESSAGE_MAP()

private:
    void FillImagesList();
    void UpdateControls();
    void Enable(UINT iId, BOOL iEnable);
    void DrawPreview(CDC& ioDc);
    // The image editor's work on a new image or a copy of one; FALSE when it cannot start.
    BOOL CreateNewImage();
    BOOL EditSelectedImage();
    // Runs one of the two with the user's images; a failure shows iFailure, an exception the
    // internal error.
    void RunImageWork(BOOL (CButtonAppearanceDlg::*iWork)(), UINT iFailure);

    CGTToolbarButton* m_Button;
    CGTToolBarImages* m_UserImages;
    int m_FirstUserImage;
    BOOL m_MenuMode;
    CButtonAppearanceModel m_Model;
    CString m_Description;
    CButtonsList m_ImagesList;
    CRect m_PreviewRect;
};
