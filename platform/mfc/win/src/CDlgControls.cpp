#include "CDlgControls.h"
#include "afxolewnd.h"

// Template layout: a header (DLGTEMPLATE, or DLGTEMPLATEEX when its second word is 0xFFFF)
// with menu, class, title and font, then the items, each on a DWORD boundary: fixed fields,
// class and title (a string, or 0xFFFF and an ordinal), and creation data behind a count.
static const BYTE* SkipSzOrOrd(const BYTE* p)
{
    if (*(const WORD*)p == 0xFFFF)
        return p + 2 * sizeof(WORD);
    while (*(const WORD*)p != 0)
        p += sizeof(WORD);
    return p + sizeof(WORD);
}

static CString ReadSz(const BYTE* p)
{
    return *(const WORD*)p == 0xFFFF ? CString() : CString((LPCWSTR)p);
}

static size_t AlignDword(size_t n)
{
    return (n + 3) & ~(size_t)3;
}

CDlgControls::CDlgControls(LPCDLGTEMPLATE lpTemplate) : m_pWnd(nullptr), m_bFailed(FALSE), m_lpTemplate(lpTemplate)
{
    Parse();
}

LPCDLGTEMPLATE CDlgControls::GetTemplate() const
{
    return m_copy.empty() ? m_lpTemplate : (LPCDLGTEMPLATE)m_copy.data();
}

void CDlgControls::Parse()
{
    const BYTE* pStart = (const BYTE*)m_lpTemplate;
    BOOL bEx = ((const WORD*)pStart)[1] == 0xFFFF;
    DWORD dwStyle = bEx ? *(const DWORD*)(pStart + 12) : *(const DWORD*)pStart;
    size_t nCountOffset = bEx ? 16 : 8;
    WORD nItems = *(const WORD*)(pStart + nCountOffset);
    const BYTE* p = pStart + (bEx ? 26 : 18);
    p = SkipSzOrOrd(SkipSzOrOrd(SkipSzOrOrd(p)));  // menu, class, title
    if (dwStyle & DS_SETFONT)
        p = SkipSzOrOrd(p + (bEx ? 6 : 2));  // point size (weight, italic, character set), face
    size_t nHeaderEnd = p - pStart;
    size_t nOffset = AlignDword(nHeaderEnd);
    BOOL bAnyHosted = FALSE;
    for (WORD i = 0; i < nItems; i++) {
        const BYTE* pItem = pStart + nOffset;
        Item item;
        item.nStart = nOffset;
        const short* pPos = (const short*)(pItem + (bEx ? 12 : 8));
        item.rect.SetRect(pPos[0], pPos[1], pPos[0] + pPos[2], pPos[1] + pPos[3]);
        item.dwStyle = *(const DWORD*)(pItem + (bEx ? 8 : 0));
        item.nID = bEx ? *(const DWORD*)(pItem + 20) : *(const WORD*)(pItem + 16);
        const BYTE* q = pItem + (bEx ? 24 : 18);
        item.bHosted = *(const WORD*)q != 0xFFFF && *(const WCHAR*)q == L'{';
        item.strClass = ReadSz(q);
        q = SkipSzOrOrd(q);
        item.strName = ReadSz(q);
        q = SkipSzOrOrd(q);
        // The creation data, in whole words as the system's dialog code skips it.
        q += sizeof(WORD) + (*(const WORD*)q / sizeof(WORD)) * sizeof(WORD);
        item.nEnd = q - pStart;
        nOffset = AlignDword(item.nEnd);
        bAnyHosted |= item.bHosted;
        m_items.push_back(item);
    }
    if (bAnyHosted)
        MakeCopy(nHeaderEnd, nCountOffset);
}

void CDlgControls::MakeCopy(size_t nHeaderEnd, size_t nCountOffset)
{
    const BYTE* pStart = (const BYTE*)m_lpTemplate;
    m_copy.assign(pStart, pStart + nHeaderEnd);
    WORD nCopied = 0;
    for (const Item& item : m_items) {
        if (item.bHosted)
            continue;
        m_copy.resize(AlignDword(m_copy.size()), 0);
        m_copy.insert(m_copy.end(), pStart + item.nStart, pStart + item.nEnd);
        nCopied++;
    }
    *(WORD*)(m_copy.data() + nCountOffset) = nCopied;
}

BOOL CDlgControls::Create(CWnd* pWnd)
{
    // The template's own controls stand in the z-order in template order.
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(pWnd->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    size_t nNextChild = 0;
    HWND hWndAfter = HWND_TOP;
    COleWndSupport* pSupport = AfxGetOleWndSupport();
    for (const Item& item : m_items) {
        if (!item.bHosted) {
            if (nNextChild < children.size())
                hWndAfter = children[nNextChild++];
            continue;
        }
        CRect rect = item.rect;
        ::MapDialogRect(pWnd->m_hWnd, &rect);
        CLSID clsid;
        HWND hWndCtrl = nullptr;
        HRESULT hr = ::CLSIDFromString(item.strClass, &clsid);
        if (SUCCEEDED(hr))
            hr = pSupport != nullptr
                ? pSupport->CreateDlgControl(pWnd, clsid, item.strName, item.dwStyle, rect, item.nID, &hWndCtrl)
                : E_NOTIMPL;
        if (FAILED(hr)) {
            CString strTrace;
            strTrace.Format(L"Dialog control %u %s was not created: 0x%08lX\n", item.nID, (LPCWSTR)item.strClass,
                            (unsigned long)hr);
            ::OutputDebugStringW(strTrace);
            return FALSE;
        }
        ::SetWindowPos(hWndCtrl, hWndAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        hWndAfter = hWndCtrl;
    }
    return TRUE;
}

BOOL AfxCreateDlgControls(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CDlgControls* pControls = pState->pDlgControls;
    if (pControls == nullptr || pControls->m_pWnd != pWnd)
        return TRUE;
    pState->pDlgControls = nullptr;  // a template window that a control makes has its own
    if (!pControls->Create(pWnd))
        pControls->m_bFailed = TRUE;
    return !pControls->m_bFailed;
}
