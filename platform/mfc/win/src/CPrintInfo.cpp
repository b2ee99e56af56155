// What a print job knows of its pages, and the printers jobs go to.
#include "afxstate.h"
#include <atomic>

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION | PD_HIDEPRINTTOFILE)),
      m_pPrinterDC(nullptr), m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1), m_nNumPreviewPages(1),
      m_lpUserData(nullptr)
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
    m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC);
}

CPrintInfo::~CPrintInfo()
{
    delete m_pPrinterDC;
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage)
{
    m_pPD->m_pd.nMinPage = (WORD)nMinPage;
}

void CPrintInfo::SetMaxPage(UINT nMaxPage)
{
    m_pPD->m_pd.nMaxPage = (WORD)nMaxPage;
}

UINT CPrintInfo::GetMinPage() const
{
    return m_pPD->m_pd.nMinPage;
}

UINT CPrintInfo::GetMaxPage() const
{
    return m_pPD->m_pd.nMaxPage;
}

UINT CPrintInfo::GetFromPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage();
}

// --- The system's printers --------------------------------------------------------------------

namespace {
class CSystemPrintDevice : public IPrintDevice {
public:
    CDC* CreatePrinterDC(CPrintDialog& rDialog, BOOL bShowDialog) override
    {
        rDialog.m_pd.Flags |= PD_RETURNDC;
        BOOL bChosen = bShowDialog ? rDialog.DoModal() == IDOK : rDialog.GetDefaults();
        if (!bChosen || rDialog.m_pd.hDC == nullptr)
            return nullptr;
        CDC* pDC = new CDC;
        pDC->Attach(rDialog.m_pd.hDC);
        pDC->m_bPrinting = TRUE;
        return pDC;
    }
    int StartDoc(CDC& dc, const DOCINFOW& docInfo) override { return dc.StartDoc(&docInfo); }
    int StartPage(CDC& dc) override { return dc.StartPage(); }
    int EndPage(CDC& dc) override { return dc.EndPage(); }
    int EndDoc(CDC& dc) override { return dc.EndDoc(); }
    int AbortDoc(CDC& dc) override { return dc.AbortDoc(); }
};

CSystemPrintDevice g_systemPrinters;
std::atomic<IPrintDevice*> g_pPrintDevice{&g_systemPrinters};
}  // namespace

IPrintDevice* AFXAPI AfxGetPrintDevice()
{
    return g_pPrintDevice;
}

IPrintDevice* AFXAPI AfxSetPrintDevice(IPrintDevice* pDevice)
{
    return g_pPrintDevice.exchange(pDevice != nullptr ? pDevice : &g_systemPrinters);
}
