// The button image editor: the dialog "Edit Button Image", in which the user draws a
// button's bitmap pixel by pixel with a few tools and a palette, sees it at its size, and
// copies, pastes or clears it through the clipboard. It draws straight into the caller's
// bitmap: Cancel keeps the drawing, and the caller decides what to do with it.
#pragma once
#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/controls/CGTDialog.h>
#include <guitoolkit/toolbars/CImageEditorPaletteBar.h>
#include <guitoolkit/toolbars/CImagePaintArea.h>

class CGTImageEditDlg : public CGTDialog {
public:
    // iBitsPerPixel -1: the bitmap's own depth; 8 or less gives a palette of the 16 standard
    // colours.
    CGTImageEditDlg(CBitmap* iBitmap, CWnd* iParent = nullptr, int iBitsPerPixel = -1);
    // Runs the editor modally on the bitmap; TRUE when the user chose OK.
    static BOOL Edit(CBitmap& ioBitmap, CWnd* iParent, int iBitsPerPixel);

    // The colour picked from the image becomes the drawing colour; the pencil comes back.
    void SetColorFromPicker(COLORREF iColor);

    CImagePaintArea& GetPaintArea() { return m_PaintArea; }
    CGTColorBar& GetColorBar() { return m_ColorBar; }
    CImageEditorPaletteBar& GetToolBar() { return m_ToolBar; }
    // Where the bitmap shows at its size, in client coordinates.
    CRect GetPreviewRect() const { return CRect(m_PreviewPosition, CSize(m_Width, m_Height)); }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnTool(UINT iCommand);
    afx_msg void OnUpdateTool(CCmdUI* ioState);
    afx_msg void OnCopy();
    afx_msg void OnPaste();
    afx_msg void OnUpdatePaste(CCmdUI* ioState);
    afx_msg void OnClear();
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM);
    afx_msg void OnColor();
    DECLARE_MESSAGE_MAP()

private:
    // A frame control's rectangle in client coordinates; the frame itself is hidden.
    CRect TakeFrame(CStatic& ioFrame, UINT iId);
    void CreateToolBar(const CRect& iFrame);
    void CreateColorBar(const CRect& iFrame);
    // FALSE when the clipboard gave no bitmap.
    BOOL PasteBitmap();
    void ImageChanged();

    CStatic m_ColorsFrame;
    CStatic m_ToolsFrame;
    CStatic m_PreviewFrame;
    CImagePaintArea m_PaintArea;
    CBitmap* m_Bitmap;
    int m_Width;
    int m_Height;
    int m_BitsPerPixel;
    CRect m_PreviewFrameRect;
    CPoint m_PreviewPosition;
    CImageEditorPaletteBar m_ToolBar;
    CGTColorBar m_ColorBar;
};
