#include <afx.h>
#include <unordered_set>
#include <vector>

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

// Reads a count and that many objects. When a read fails, the objects this load made are
// deleted (once each; back-references belong to others) and the failure goes on, so that
// the caller's collection can stay as it was.
static std::vector<CObject*> LoadObjects(CArchive& ar)
{
    std::vector<CObject*> loaded;
    std::unordered_set<CObject*> created;
    try {
        for (DWORD_PTR nLeft = ar.ReadCount(); nLeft > 0; --nLeft) {
            BOOL bCreated;
            CObject* pOb = ar.ReadObject(nullptr, bCreated);
            if (bCreated)
                created.insert(pOb);
            loaded.push_back(pOb);
        }
    } catch (...) {
        for (CObject* pOb : created)
            delete pOb;
        throw;
    }
    return loaded;
}

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetCount());
        for (POSITION pos = GetHeadPosition(); pos != nullptr;)
            ar << GetNext(pos);
        return;
    }
    for (CObject* pOb : LoadObjects(ar))
        AddTail(pOb);
}

void CObArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount((DWORD_PTR)GetSize());
        for (INT_PTR i = 0; i < GetSize(); ++i)
            ar << GetAt(i);
        return;
    }
    std::vector<CObject*> loaded = LoadObjects(ar);
    RemoveAll();
    for (CObject* pOb : loaded)
        Add(pOb);
}
