#include <afx.h>

// Object tags of the archive format. A WORD tag is either the index of an object
// already read (below 0x7FFF), the big-tag escape 0x7FFF followed by a DWORD, the
// index of a class already read with bit 0x8000, or 0xFFFF before a new class.
// Index 0 is the null object; classes and objects share one numbering from 1.
namespace {
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*)
    : m_pDocument(nullptr), m_pFile(pFile), m_nMode(nMode), m_nObjectSchema((UINT)-1),
      m_buffer((size_t)std::max(nBufSize, 128)), m_nCur(0), m_nMax(0), m_nMapCount(0)
{
    if (pFile == nullptr)
        AfxThrowInvalidArgException();
    m_strFileName = pFile->GetFilePath();
}

CArchive::~CArchive()
{
    if (m_pFile == nullptr || (m_nMode & bNoFlushOnDelete))
        return;
    try {
        Close();
    } catch (CException* e) {
        e->Delete();
    }
}

void CArchive::CheckStoring() const
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
}

void CArchive::CheckLoading() const
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        if (m_nCur == m_buffer.size())
            Flush();
        size_t n = std::min<size_t>(nMax, m_buffer.size() - m_nCur);
        memcpy(&m_buffer[m_nCur], p, n);
        m_nCur += n;
        p += n;
        nMax -= (UINT)n;
    }
}

void CArchive::FillBuffer()
{
    m_nCur = 0;
    m_nMax = m_pFile->Read(m_buffer.data(), (UINT)m_buffer.size());
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* p = static_cast<BYTE*>(lpBuf);
    UINT nRead = 0;
    while (nRead < nMax) {
        if (m_nCur == m_nMax) {
            FillBuffer();
            if (m_nMax == 0)
                break;
        }
        size_t n = std::min<size_t>(nMax - nRead, m_nMax - m_nCur);
        memcpy(p + nRead, &m_buffer[m_nCur], n);
        m_nCur += n;
        nRead += (UINT)n;
    }
    return nRead;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by;
    ReadValue(by);
    b = by != 0;
    return *this;
}

CArchive& CArchive::operator<<(LPCWSTR psz)
{
    return ::operator<<(*this, CString(psz));
}

CArchive& CArchive::operator<<(LPCSTR psz)
{
    return ::operator<<(*this, CString(psz));
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsStoring()) {
        if (m_nCur > 0)
            m_pFile->Write(m_buffer.data(), (UINT)m_nCur);
        m_nCur = 0;
        m_pFile->Flush();
    } else if (m_nCur != m_nMax) {
        m_pFile->Seek(-(LONGLONG)(m_nMax - m_nCur), CFile::current);
        m_nCur = m_nMax = 0;
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else {
        *this << (WORD)0xFFFF;
        *this << (DWORD)dwCount;
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

void CArchive::InitMaps()
{
    if (m_nMapCount != 0)
        return;
    if (IsStoring())
        m_storeMap[nullptr] = 0;
    else
        m_loadArray.assign(1, nullptr);
    m_nMapCount = 1;
}

void CArchive::CheckCount() const
{
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
}

void CArchive::MapObject(const CObject* pOb)
{
    InitMaps();
    if (pOb == nullptr)
        return;
    CheckCount();
    if (IsStoring()) {
        if (m_storeMap.emplace(pOb, m_nMapCount).second)
            ++m_nMapCount;
    } else {
        m_loadArray.push_back(const_cast<CObject*>(pOb));
        ++m_nMapCount;
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();
    InitMaps();
    auto found = m_storeMap.find(pClassRef);
    if (found != m_storeMap.end()) {
        DWORD nClassIndex = found->second;
        if (nClassIndex < wBigObjectTag)
            *this << (WORD)(wClassTag | nClassIndex);
        else {
            *this << wBigObjectTag;
            *this << (DWORD)(dwBigClassTag | nClassIndex);
        }
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    CheckCount();
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    InitMaps();
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    auto found = m_storeMap.find(pOb);
    if (found != m_storeMap.end()) {
        DWORD nObIndex = found->second;
        if (nObIndex < wBigObjectTag)
            *this << (WORD)nObIndex;
        else {
            *this << wBigObjectTag;
            *this << nObIndex;
        }
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    if (pClassRefRequested != nullptr && pClassRefRequested->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();
    InitMaps();

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag)) {
        // An object tag where a class was required.
        if (pObTag == nullptr)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        UINT nOwnSchema = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
        if (nOwnSchema != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
        m_schemaMap[pClassRef] = nSchema;
        CheckCount();
        m_loadArray.push_back(pClassRef);
        ++m_nMapCount;
    } else {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size())
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pClassRef = static_cast<CRuntimeClass*>(m_loadArray[nClassIndex]);
        auto found = m_schemaMap.find(pClassRef);
        // An index that names an object instead of a class is a corrupt archive.
        if (found == m_schemaMap.end())
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        nSchema = found->second;
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != nullptr)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    BOOL bCreated;
    return ReadObject(pClassRefRequested, bCreated);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested, BOOL& rbCreated)
{
    rbCreated = FALSE;
    UINT nSchema;
    DWORD obTag;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr) {
        if (obTag >= m_loadArray.size())
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        // A back-reference may only name an object, never a class.
        if (obTag != 0 && m_schemaMap.count(static_cast<CRuntimeClass*>(m_loadArray[obTag])) != 0)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* pOb = static_cast<CObject*>(m_loadArray[obTag]);
        if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }

    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    // Entered before it loads, so that objects inside it can refer back to it.
    size_t nIndex = m_loadArray.size();
    try {
        CheckCount();
    } catch (...) {
        delete pOb;
        throw;
    }
    m_loadArray.push_back(pOb);
    ++m_nMapCount;
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // Half read, it belongs to nobody: a later reference to it finds nothing.
        m_nObjectSchema = nSchemaSave;
        m_loadArray[nIndex] = nullptr;
        delete pOb;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    rbCreated = TRUE;
    return pOb;
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema, nLen;
    ar >> wSchema >> nLen;
    *pwSchemaNum = wSchema;
    char szClassName[64];
    if (nLen >= sizeof(szClassName) || ar.Read(szClassName, nLen) != nLen)
        return nullptr;
    szClassName[nLen] = 0;
    return FromName(szClassName);
}

CArchive& AFXAPI operator<<(CArchive& ar, SIZE size)
{
    ar.Write(&size, sizeof(size));
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, POINT point)
{
    ar.Write(&point, sizeof(point));
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect)
{
    ar.Write(&rect, sizeof(rect));
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size)
{
    return ar >> size.cx >> size.cy;
}

CArchive& AFXAPI operator>>(CArchive& ar, POINT& point)
{
    return ar >> point.x >> point.y;
}

CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect)
{
    return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}
