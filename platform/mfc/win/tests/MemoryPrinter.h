// A printer for tests, where the machine has none: a memory DC that answers a chosen
// resolution and page size, and a device that records the calls of each print job.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>
#include <string>
#include <vector>

// Measures as a printer of nDpi dots per inch whose printable page is sizePage dots.
class CMemoryPrinterDC : public CDC {
public:
    CMemoryPrinterDC(int nDpi, CSize sizePage) : m_nDpi(nDpi), m_sizePage(sizePage)
    {
        CreateCompatibleDC(nullptr);
        m_bPrinting = TRUE;
    }
    int GetDeviceCaps(int nIndex) const override
    {
        switch (nIndex) {
        case LOGPIXELSX:
        case LOGPIXELSY:
            return m_nDpi;
        case HORZRES:
        case PHYSICALWIDTH:
            return m_sizePage.cx;
        case VERTRES:
        case PHYSICALHEIGHT:
            return m_sizePage.cy;
        default:
            return CDC::GetDeviceCaps(nIndex);
        }
    }

private:
    int m_nDpi;
    CSize m_sizePage;
};

// Takes the system's place while it lives.
class CMemoryPrintDevice : public IPrintDevice {
public:
    int m_nDpi = 300;
    CSize m_sizePage = CSize(2400, 3000);  // 8 by 10 inches
    UINT m_nFailingPage = 0;               // the page whose EndPage fails; 0: none
    BOOL m_bHasPrinter = TRUE;             // FALSE: as a machine without printers
    std::vector<std::string> m_calls;
    HDC m_hLastDC = nullptr;  // the DC of the last job

    CMemoryPrintDevice() : m_pPrevious(AfxSetPrintDevice(this)) {}
    ~CMemoryPrintDevice() override { AfxSetPrintDevice(m_pPrevious); }

    CDC* CreatePrinterDC(CPrintDialog&, BOOL bShowDialog) override
    {
        m_calls.push_back(bShowDialog ? "print dialog" : "default printer");
        if (!m_bHasPrinter)
            return nullptr;
        CDC* pDC = new CMemoryPrinterDC(m_nDpi, m_sizePage);
        m_hLastDC = pDC->m_hDC;
        return pDC;
    }
    int StartDoc(CDC&, const DOCINFOW& docInfo) override
    {
        std::wstring strName = docInfo.lpszDocName != nullptr ? docInfo.lpszDocName : L"";
        m_calls.push_back("StartDoc " + std::string(strName.begin(), strName.end()));  // ASCII names
        m_nPage = 0;
        return 1;
    }
    int StartPage(CDC&) override
    {
        m_calls.push_back("StartPage");
        m_nPage++;
        return 1;
    }
    int EndPage(CDC&) override
    {
        m_calls.push_back("EndPage");
        return m_nPage == m_nFailingPage ? -1 : 1;
    }
    int EndDoc(CDC&) override
    {
        m_calls.push_back("EndDoc");
        return 1;
    }
    int AbortDoc(CDC&) override
    {
        m_calls.push_back("AbortDoc");
        return 1;
    }

private:
    IPrintDevice* m_pPrevious;
    UINT m_nPage = 0;
};
