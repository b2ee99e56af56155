#include "afxoleimpl.h"

static const DWORD kAnyMedium =
    TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM | TYMED_ISTORAGE | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF;

// The request for cfFormat: the caller's description, else the content in any of the media.
static FORMATETC MakeFormatEtc(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc, DWORD dwMedia)
{
    FORMATETC formatEtc = {cfFormat, nullptr, DVASPECT_CONTENT, -1, dwMedia};
    if (lpFormatEtc != nullptr) {
        formatEtc = *lpFormatEtc;
        formatEtc.cfFormat = cfFormat;
    }
    return formatEtc;
}

// The block of a global medium, as the caller's own: a medium the data object keeps (it
// gave a reference to release) is copied.
static HGLOBAL TakeGlobal(STGMEDIUM& stgMedium, CLIPFORMAT cfFormat)
{
    if (stgMedium.tymed != TYMED_HGLOBAL) {
        ::ReleaseStgMedium(&stgMedium);
        return nullptr;
    }
    if (stgMedium.pUnkForRelease == nullptr)
        return stgMedium.hGlobal;
    HGLOBAL hCopy = (HGLOBAL)::OleDuplicateData(stgMedium.hGlobal, cfFormat, GMEM_MOVEABLE);
    ::ReleaseStgMedium(&stgMedium);
    return hCopy;
}

// Releases a medium however the caller leaves.
class CReleaseStgMedium {
public:
    explicit CReleaseStgMedium(STGMEDIUM& stgMedium) : m_stgMedium(stgMedium) {}
    CReleaseStgMedium(const CReleaseStgMedium&) = delete;
    CReleaseStgMedium& operator=(const CReleaseStgMedium&) = delete;
    ~CReleaseStgMedium() { ::ReleaseStgMedium(&m_stgMedium); }

private:
    STGMEDIUM& m_stgMedium;
};

// The rest of a stream, read into a memory file.
static CFile* ReadStream(IStream* pStream)
{
    CSharedFile* pFile = new CSharedFile;
    try {
        BYTE buffer[4096];
        ULONG nRead = 0;
        while (SUCCEEDED(pStream->Read(buffer, sizeof(buffer), &nRead)) && nRead != 0)
            pFile->Write(buffer, nRead);
    } catch (...) {
        delete pFile;
        throw;
    }
    pFile->SeekToBegin();
    return pFile;
}

COleDataObject::COleDataObject() : m_lpDataObject(nullptr), m_lpEnumerator(nullptr), m_bAutoRelease(TRUE) {}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    if (m_lpEnumerator != nullptr) {
        m_lpEnumerator->Release();
        m_lpEnumerator = nullptr;
    }
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return lpDataObject;
}

void COleDataObject::Release()
{
    BOOL bAutoRelease = m_bAutoRelease;
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != nullptr && bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == nullptr)
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

void COleDataObject::BeginEnumFormats()
{
    if (m_lpEnumerator != nullptr) {
        m_lpEnumerator->Release();
        m_lpEnumerator = nullptr;
    }
    if (m_lpDataObject != nullptr && FAILED(m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator)))
        m_lpEnumerator = nullptr;
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    ULONG nFetched = 0;
    if (m_lpEnumerator == nullptr || m_lpEnumerator->Next(1, lpFormatEtc, &nFetched) != S_OK || nFetched != 1)
        return FALSE;
    // Target devices are not told apart here.
    if (lpFormatEtc->ptd != nullptr) {
        ::CoTaskMemFree(lpFormatEtc->ptd);
        lpFormatEtc->ptd = nullptr;
    }
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc, kAnyMedium);
    return m_lpDataObject != nullptr && m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc, kAnyMedium);
    return m_lpDataObject != nullptr && SUCCEEDED(m_lpDataObject->GetData(&formatEtc, lpStgMedium));
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc, TYMED_HGLOBAL);
    STGMEDIUM stgMedium = {};
    if (m_lpDataObject == nullptr || FAILED(m_lpDataObject->GetData(&formatEtc, &stgMedium)))
        return nullptr;
    return TakeGlobal(stgMedium, cfFormat);
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, lpFormatEtc, TYMED_HGLOBAL | TYMED_ISTREAM);
    STGMEDIUM stgMedium = {};
    if (m_lpDataObject == nullptr || FAILED(m_lpDataObject->GetData(&formatEtc, &stgMedium)))
        return nullptr;
    if (stgMedium.tymed == TYMED_ISTREAM) {
        CReleaseStgMedium release(stgMedium);
        return ReadStream(stgMedium.pstm);
    }
    HGLOBAL hGlobal = TakeGlobal(stgMedium, cfFormat);
    if (hGlobal == nullptr)
        return nullptr;
    CSharedFile* pFile = new CSharedFile;
    pFile->SetHandle(hGlobal, FALSE);
    return pFile;
}
