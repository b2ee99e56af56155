// The toolkit's dialog base: a background brush or bitmap, and the shared helper that
// makes toolkit popup menus over the dialog behave as in a frame window.
#pragma once
#include <afxwin.h>
#include <afxdialog.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/controls/CGTDlgImpl.h>
#include <memory>

class CGTLocalResource;

class CGTDialog : public CDialog, public IGTPopupMenuHost {
    DECLARE_DYNAMIC(CGTDialog)
public:
    enum BackgroundLocation {
        BackgroundTile = 0,
        BackgroundTopLeft = 1,
        BackgroundTopRight = 2,
        BackgroundBottomLeft = 3,
        BackgroundBottomRight = 4,
    };

    CGTDialog();
    explicit CGTDialog(UINT iTemplate, CWnd* iParent = nullptr);
    ~CGTDialog() override;

    void SetBackgroundColor(COLORREF iColor, BOOL iRedraw = TRUE);
    // With autoDestroy the dialog deletes the bitmap when it goes.
    void SetBackgroundImage(HBITMAP iBitmap, int iLocation = BackgroundTile, BOOL iAutoDestroy = TRUE,
                            BOOL iRedraw = TRUE);
    void SetActivePopupMenu(CWnd* iMenu) override;
    void EnableLibraryResources(BOOL iOn = TRUE) { m_UseLibraryResources = iOn; }

    BOOL PreTranslateMessage(MSG* iMsg) override;
    INT_PTR DoModal() override;
    void PreInitDialog() override;

protected:
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg BOOL OnNcActivate(BOOL iActive);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnDestroy();
    afx_msg HBRUSH OnCtlColor(CDC* iDc, CWnd* iWnd, UINT iCtlColor);
    DECLARE_MESSAGE_MAP()

    HBITMAP m_Bitmap;
    CSize m_BitmapSize;
    CBrush m_Brush;
    int m_Location;
    BOOL m_OwnsBitmap;
    CGTDlgImpl m_Impl;
    BOOL m_UseLibraryResources;
    std::unique_ptr<CGTLocalResource> m_LocalResource;

private:
    void DrawBitmap(CDC* iDc, const CRect& iClient) const;
    void DeleteBitmap();
};
