// Print preview: the view that shows a printing view's pages scaled down on screen, with a
// bar of commands above it, and the DC that draws a printer page onto the screen.
#pragma once
#include <vector>
#include "afxbar.h"
#include "afxprint.h"

// Draws for a printer onto another DC (the screen). The printer's DC is the attribute DC: it
// answers the device's capabilities, the mapping and the text measures, so that a page lays
// out as it will print. The output gets the same drawing at a scale and an offset: mapping,
// origins, fonts, clipping and text positions are translated.
class CPreviewDC : public CDC {
    DECLARE_DYNAMIC(CPreviewDC)
public:
    CPreviewDC();
    ~CPreviewDC() override;

    // The printer whose page is shown; its object answers GetDeviceCaps.
    void SetPrinterDC(CDC* pPrinterDC);
    void SetAttribDC(HDC hDC) override;
    void SetOutputDC(HDC hDC) override;
    void ReleaseAttribDC() override;
    void ReleaseOutputDC() override;
    // One printer pixel is nNumerator/nDenominator output pixels.
    void SetScaleRatio(int nNumerator, int nDenominator);
    // Where the page's top left lies in the output, in output pixels.
    void SetTopLeftOffset(CSize sizeTop);
    // Output outside the page (output pixels) is clipped.
    void ClipToPage(LPCRECT lpRectPage);
    void PrinterDPtoScreenDP(LPPOINT lpPoint) const;

    int GetDeviceCaps(int nIndex) const override;
    // The output is saved beside the printer and restored with it: the view's own save
    // and restore never reach the output's states from before the preview's mapping.
    int SaveDC() override;
    BOOL RestoreDC(int nSavedDC) override;
    int SetMapMode(int nMapMode) override;
    CPoint SetViewportOrg(int x, int y) override;
    CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
    CPoint SetWindowOrg(int x, int y) override;
    CPoint OffsetWindowOrg(int nWidth, int nHeight) override;
    CSize SetViewportExt(int cx, int cy) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override;
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override;
    CFont* SelectObject(CFont* pFont) override;
    CGdiObject* SelectStockObject(int nIndex) override;
    int SelectClipRgn(CRgn* pRgn, int nMode) override;
    BOOL TextOut(int x, int y, LPCWSTR lpszString, int nCount) override;
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCWSTR lpszString, UINT nCount,
                    LPINT lpDxWidths) override;
    using CDC::ExtTextOut;
    using CDC::SelectClipRgn;
    using CDC::SelectObject;
    using CDC::SetViewportExt;
    using CDC::SetViewportOrg;
    using CDC::SetWindowExt;
    using CDC::SetWindowOrg;
    using CDC::TextOut;

protected:
    CDC* m_pPrinterDC;
    int m_nScaleNum, m_nScaleDenom;
    CSize m_sizeTopLeft;
    CRect m_rectPage;                  // in output pixels; empty: no page clip
    std::vector<HFONT> m_outputFonts;  // made for the output, freed when it is released
    struct SavedLevels {
        int nPrinter, nOutput;
    };
    std::vector<SavedLevels> m_saved;  // the output's save beside each of the printer's

    // The output's mapping: the printer's, scaled and moved to the page.
    void MirrorMappingMode();
    // The output's font: the printer's font, scalable so that the mapping sizes it.
    void MirrorFont();
    // The page's clipping of the output, and a printer region (device units) within it.
    void ClipOutput(HRGN hPrinterRgn, int nMode);
    // A state change of the printer, then the output made to match.
    template <class F>
    auto OnPrinter(F f) -> decltype(f(m_hAttribDC))
    {
        auto result = f(m_hAttribDC);
        MirrorMappingMode();
        return result;
    }
};

class CPreviewView : public CScrollView {
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    enum ZoomState {
        ZOOM_OUT,     // whole pages (m_nZoomOutPages of them) fit the view
        ZOOM_MIDDLE,  // between the two
        ZOOM_IN       // one page at its printed size
    };

    // Prepares the printing of pPrintView as a preview: its print info, its printer (the
    // default one) and its OnBeginPrinting. FALSE when it cannot print.
    virtual BOOL SetPrintView(CView* pPrintView);
    // Shows "Page n" or "Pages n-m" (the print info's m_strPageDesc) in the frame's message bar.
    virtual void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed);
    void SetZoomState(UINT nNewState);
    void SetCurrentPage(UINT nPage);

    void OnDraw(CDC* pDC) override;

    CPrintPreviewState* m_pPreviewState;  // owned
    CDialogBar* m_pToolBar;               // the bar of preview commands, above the view
    CView* m_pOrigView;                   // the view the preview stands in for
    CView* m_pPrintView;                  // the view that prints the pages; null once printing ended
    CPreviewDC* m_pPreviewDC;
    CPrintInfo* m_pPreviewInfo;
    UINT m_nZoomState;
    UINT m_nPages;         // pages shown side by side: m_nZoomOutPages zoomed out, else one
    UINT m_nZoomOutPages;  // 1 or 2
    UINT m_nCurrentPage;   // the first page shown

protected:
    HWND m_hWndPrintView;  // tells whether the printing view is still there when this one goes
    int m_nScaleNum, m_nScaleDenom;
    CSize m_sizePrinterPage;  // printer pixels
    CRect m_rectPages[2];     // where the pages stand, in the view's scrolled coordinates

    BOOL PageExists(UINT nPage);
    // Pages shown now: two side by side only while the second one exists.
    UINT GetPagesShown();
    // Scale and page rectangles for the zoom state and the view's size.
    void PositionPages();
    void DrawPage(CDC* pDC, UINT nIndex);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
