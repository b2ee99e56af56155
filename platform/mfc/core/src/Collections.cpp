#include <afx.h>

IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)

UINT AFXAPI HashKey(LPCWSTR key)
{
    UINT nHash = 0;
    while (key != nullptr && *key != 0)
        nHash = (nHash << 5) + nHash + *key++;
    return nHash;
}

UINT AFXAPI HashKey(const CString& key)
{
    return HashKey((LPCWSTR)key);
}

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (POSITION pos = GetHeadPosition(); pos != nullptr;)
            ar << GetNext(pos);
        return;
    }
    for (DWORD_PTR nNewCount = ar.ReadCount(); nNewCount > 0; --nNewCount) {
        CObject* newData;
        ar >> newData;
        AddTail(newData);
    }
}

void CObArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetSize());
        for (INT_PTR i = 0; i < GetSize(); ++i)
            ar << GetAt(i);
        return;
    }
    LoadCounted(ar, [&ar](CObject** pElements, INT_PTR nCount) {
        for (INT_PTR i = 0; i < nCount; ++i)
            ar >> pElements[i];
    });
}
