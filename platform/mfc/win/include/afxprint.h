// Printing: what a print job or a print preview knows of its pages (CPrintInfo), and the
// printer the jobs go to (IPrintDevice). The view's print loop gets the printer's DC and
// runs the job through the device, so that a machine without a printer (or a test) can
// put another device in the system's place.
#pragma once
#include "afxdc.h"

class CPrintDialog;

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;       // the printer and pages chosen
    CDC* m_pPrinterDC;         // the printer's DC that DoPreparePrinting got; deleted with the print info
    BOOL m_bPreview;           // a print preview, not a print job
    BOOL m_bContinuePrinting;  // OnPrepareDC or OnPrint clears it to end the job
    UINT m_nCurPage;
    UINT m_nNumPreviewPages;  // pages a preview shows side by side: 1 or 2
    LPVOID m_lpUserData;      // the view's own data for the job
    CRect m_rectDraw;         // the printable area of the page in logical units, set before each OnPrint
    CString m_strPageDesc;    // "Page %u\nPages %u-%u\n": how a preview names what it shows

    void SetMinPage(UINT nMinPage);
    // 0xFFFF (the default): the number of pages is not known, the view ends the job itself.
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The pages to print: those the user chose, else all of them.
    UINT GetFromPage() const;
    UINT GetToPage() const;
};

// The printer: its DC and the calls that make a print job.
class IPrintDevice {
public:
    virtual ~IPrintDevice() = default;
    // The DC of the printer the user picks in rDialog, or of the default printer without a
    // dialog (a print preview); it is marked printing and the caller deletes it. Null when the
    // user cancels or there is no printer.
    virtual CDC* CreatePrinterDC(CPrintDialog& rDialog, BOOL bShowDialog) = 0;
    // Each answers > 0 on success, like the system's calls.
    virtual int StartDoc(CDC& dc, const DOCINFOW& docInfo) = 0;
    virtual int StartPage(CDC& dc) = 0;
    virtual int EndPage(CDC& dc) = 0;
    virtual int EndDoc(CDC& dc) = 0;
    virtual int AbortDoc(CDC& dc) = 0;
};

// The device print jobs go to: the system's printers unless another was set.
IPrintDevice* AFXAPI AfxGetPrintDevice();
// Puts pDevice (null: the system's printers) in place; answers the one before.
IPrintDevice* AFXAPI AfxSetPrintDevice(IPrintDevice* pDevice);
