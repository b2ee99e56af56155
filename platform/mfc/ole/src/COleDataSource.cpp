#include "OleUnknown.h"
#include "afxoleimpl.h"
#include <shlobj.h>
#include <vector>

// The data object of a COleDataSource: the cached media, handed out as copies (global,
// bitmap and picture handles) or with a reference (streams and storages). It outlives its
// source while a receiver still holds it.
class COleDataSourceImpl final : public COleUnknown<COleDataSourceImpl, IDataObject> {
public:
    void Cache(const FORMATETC& formatEtc, const STGMEDIUM& stgMedium);
    void Empty();

    STDMETHODIMP GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* pformatetc) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut) override;
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) override;
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    struct Entry {
        FORMATETC formatEtc;
        STGMEDIUM stgMedium;
    };

    ~COleDataSourceImpl() { Empty(); }
    // The entry that serves the request, else the reason there is none.
    HRESULT Find(const FORMATETC* pFormatEtc, const Entry** ppEntry) const;

    std::vector<Entry> m_entries;

    friend class COleUnknown<COleDataSourceImpl, IDataObject>;
};

void COleDataSourceImpl::Cache(const FORMATETC& formatEtc, const STGMEDIUM& stgMedium)
{
    // New data of a format replaces the old in the same medium.
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        if (it->formatEtc.cfFormat == formatEtc.cfFormat && it->formatEtc.dwAspect == formatEtc.dwAspect &&
            it->formatEtc.tymed == formatEtc.tymed) {
            ::ReleaseStgMedium(&it->stgMedium);
            m_entries.erase(it);
            break;
        }
    m_entries.push_back({formatEtc, stgMedium});
    m_entries.back().formatEtc.ptd = nullptr;
}

void COleDataSourceImpl::Empty()
{
    for (Entry& entry : m_entries)
        ::ReleaseStgMedium(&entry.stgMedium);
    m_entries.clear();
}

HRESULT COleDataSourceImpl::Find(const FORMATETC* pFormatEtc, const Entry** ppEntry) const
{
    if (pFormatEtc == nullptr)
        return E_INVALIDARG;
    HRESULT hr = DV_E_FORMATETC;
    for (const Entry& entry : m_entries) {
        if (entry.formatEtc.cfFormat != pFormatEtc->cfFormat || entry.formatEtc.dwAspect != pFormatEtc->dwAspect ||
            (pFormatEtc->lindex != -1 && pFormatEtc->lindex != entry.formatEtc.lindex))
            continue;
        if (!(entry.formatEtc.tymed & pFormatEtc->tymed)) {
            hr = DV_E_TYMED;
            continue;
        }
        *ppEntry = &entry;
        return S_OK;
    }
    return hr;
}

STDMETHODIMP COleDataSourceImpl::GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium)
{
    if (pmedium == nullptr)
        return E_POINTER;
    const Entry* pEntry = nullptr;
    HRESULT hr = Find(pformatetcIn, &pEntry);
    if (FAILED(hr))
        return hr;
    const STGMEDIUM& source = pEntry->stgMedium;
    *pmedium = source;
    pmedium->pUnkForRelease = nullptr;
    switch (source.tymed) {
    case TYMED_ISTREAM:
    case TYMED_ISTORAGE:
        pmedium->pstm->AddRef();  // the stream and the storage pointer share the medium's union
        return S_OK;
    case TYMED_HGLOBAL:
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        pmedium->hGlobal = (HGLOBAL)::OleDuplicateData(source.hGlobal, pEntry->formatEtc.cfFormat, 0);
        return pmedium->hGlobal != nullptr ? S_OK : E_OUTOFMEMORY;
    default:
        pmedium->tymed = TYMED_NULL;
        return DV_E_TYMED;
    }
}

STDMETHODIMP COleDataSourceImpl::QueryGetData(FORMATETC* pformatetc)
{
    const Entry* pEntry = nullptr;
    return Find(pformatetc, &pEntry);
}

STDMETHODIMP COleDataSourceImpl::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut)
{
    if (pformatetcOut == nullptr)
        return E_POINTER;
    pformatetcOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSourceImpl::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc)
{
    if (ppenumFormatEtc == nullptr)
        return E_POINTER;
    *ppenumFormatEtc = nullptr;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const Entry& entry : m_entries)
        formats.push_back(entry.formatEtc);
    return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.data(), ppenumFormatEtc);
}

// --- COleDataSource ----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

COleDataSource::COleDataSource() : m_pImpl(new COleDataSourceImpl) {}

COleDataSource::~COleDataSource()
{
    m_pImpl->Release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM stgMedium = {TYMED_HGLOBAL};
    stgMedium.hGlobal = hGlobal;
    FORMATETC formatEtc = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (lpFormatEtc != nullptr) {
        formatEtc = *lpFormatEtc;
        formatEtc.cfFormat = cfFormat;
        formatEtc.tymed = TYMED_HGLOBAL;
    }
    m_pImpl->Cache(formatEtc, stgMedium);
}

void COleDataSource::CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc = {cfFormat, nullptr, DVASPECT_CONTENT, -1, lpStgMedium->tymed};
    if (lpFormatEtc != nullptr) {
        formatEtc = *lpFormatEtc;
        formatEtc.cfFormat = cfFormat;
        formatEtc.tymed = lpStgMedium->tymed;
    }
    m_pImpl->Cache(formatEtc, *lpStgMedium);
}

void COleDataSource::Empty()
{
    m_pImpl->Empty();
}

LPUNKNOWN COleDataSource::GetInterface(const IID* piid)
{
    return piid != nullptr && (*piid == IID_IDataObject || *piid == IID_IUnknown) ? m_pImpl : nullptr;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource dropSource;
    if (pDropSource == nullptr)
        pDropSource = &dropSource;
    // The drag starts from the window whose message (a button going down) is being handled.
    HWND hWnd = CWnd::GetCurrentMessage()->hwnd;
    POINT ptCursor;
    ::GetCursorPos(&ptCursor);
    if (hWnd == nullptr || !::IsWindow(hWnd))
        hWnd = ::WindowFromPoint(ptCursor);
    if (lpRectStartDrag != nullptr)
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
    else {
        ::ScreenToClient(hWnd, &ptCursor);
        pDropSource->m_rectStartDrag.SetRect(ptCursor.x, ptCursor.y, ptCursor.x, ptCursor.y);
    }
    if (!pDropSource->OnBeginDrag(CWnd::FromHandle(hWnd)))
        return DROPEFFECT_NONE;
    DWORD dwEffect = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(m_pImpl, (LPDROPSOURCE)pDropSource->GetInterface(&IID_IDropSource), dwEffects, &dwEffect);
    return hr == DRAGDROP_S_DROP ? dwEffect : DROPEFFECT_NONE;
}
