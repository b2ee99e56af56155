// The collection templates: CArray, CList, CMap, the typed pointer wrappers and the
// element helpers (SerializeElements, CompareElements, HashKey) they call.
#pragma once
#include "afxarch.h"
#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

// Raw bytes for plain values; class types provide their own overload (CString,
// the date and variant classes).
template <class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    static_assert(std::is_trivially_copyable<TYPE>::value,
                  "this element type needs a SerializeElements overload of its own");
    if (nCount == 0)
        return;
    if (ar.IsStoring())
        ar.Write(pElements, (UINT)(nCount * sizeof(TYPE)));
    else if (ar.Read(pElements, (UINT)(nCount * sizeof(TYPE))) != nCount * sizeof(TYPE))
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

// Elements with archive operators of their own, one after the other.
template <class TYPE>
void AFXAPI SerializeEachElement(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i) {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

inline void AFXAPI SerializeElements(CArchive& ar, CString* pElements, INT_PTR nCount)
{
    SerializeEachElement(ar, pElements, nCount);
}

template <class TYPE, class ARG_TYPE>
BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Bucket of a key: integers, handles and pointers shifted right by four bits; texts
// by the running hash h = h * 33 + c.
template <class ARG_KEY>
UINT AFXAPI HashKey(ARG_KEY key)
{
    return (UINT)(((DWORD_PTR)key) >> 4);
}
UINT AFXAPI HashKey(LPCWSTR key);
UINT AFXAPI HashKey(const CString& key);

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return (INT_PTR)m_data.size(); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // New elements are value-initialised (zero for plain types).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        if ((size_t)nNewSize > m_data.capacity() && m_nGrowBy > 0)
            m_data.reserve(std::max((size_t)nNewSize, m_data.size() + (size_t)m_nGrowBy));
        m_data.resize((size_t)nNewSize);
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        if (nIndex >= GetSize()) {
            TYPE copy(newElement);  // the argument may live in this array
            SetSize(nIndex + 1);
            m_data[(size_t)nIndex] = std::move(copy);
        } else
            m_data[(size_t)nIndex] = newElement;
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = GetSize();
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    INT_PTR Append(const CArray& src)
    {
        INT_PTR nOldSize = GetSize();
        if (&src == this)
            AfxThrowInvalidArgException();
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return nOldSize;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            AfxThrowInvalidArgException();
        TYPE copy(newElement);
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, (size_t)nCount, copy);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == this || nStartIndex < 0)
            AfxThrowInvalidArgException();
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, pNewArray->m_data.begin(), pNewArray->m_data.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount((DWORD_PTR)GetSize());
            SerializeElements(ar, GetData(), GetSize());
        } else
            LoadCounted(ar, [&ar](TYPE* pElements, INT_PTR nCount) { SerializeElements(ar, pElements, nCount); });
    }

protected:
    // Reads the count, then the elements batch by batch: a count beyond the archive's data
    // ends at the end of the data instead of asking for the whole count's memory at once.
    template <class LoadElements>
    void LoadCounted(CArchive& ar, LoadElements load)
    {
        const DWORD_PTR nBatch = 4096;
        RemoveAll();
        for (DWORD_PTR nLeft = ar.ReadCount(); nLeft > 0;) {
            INT_PTR nOld = GetSize();
            INT_PTR nCount = (INT_PTR)std::min(nLeft, nBatch);
            SetSize(nOld + nCount);
            load(GetData() + nOld, nCount);
            nLeft -= (DWORD_PTR)nCount;
        }
    }

    size_t Checked(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowInvalidArgException();
        return (size_t)nIndex;
    }

    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
protected:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }

    TYPE RemoveHead()
    {
        CNode* pOld = NonEmpty(m_pNodeHead);
        TYPE value = std::move(pOld->data);
        Unlink(pOld);
        return value;
    }
    TYPE RemoveTail()
    {
        CNode* pOld = NonEmpty(m_pNodeTail);
        TYPE value = std::move(pOld->data);
        Unlink(pOld);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return Link(NewNode(newElement), nullptr, m_pNodeHead); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(NewNode(newElement), m_pNodeTail, nullptr); }
    void AddHead(const CList* pNewList)
    {
        for (POSITION pos = pNewList->GetTailPosition(); pos != nullptr;)
            AddHead(pNewList->GetPrev(pos));
    }
    void AddTail(const CList* pNewList)
    {
        for (POSITION pos = pNewList->GetHeadPosition(); pos != nullptr;)
            AddTail(pNewList->GetNext(pos));
    }
    void RemoveAll()
    {
        while (m_pNodeHead != nullptr)
            Unlink(m_pNodeHead);
    }

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const { return const_cast<CList*>(this)->GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const { return const_cast<CList*>(this)->GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(Node(position)); }

    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* pOld = Node(position);
        return Link(NewNode(newElement), pOld->pPrev, pOld);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* pOld = Node(position);
        return Link(NewNode(newElement), pOld, pOld->pNext);
    }

    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* pNode = m_pNodeHead;
        while (nIndex--)
            pNode = pNode->pNext;
        return (POSITION)pNode;
    }
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* pNode = startAfter == nullptr ? m_pNodeHead : Node(startAfter)->pNext;
        for (; pNode != nullptr; pNode = pNode->pNext)
            if (CompareElements<TYPE>(&pNode->data, &searchValue))
                return (POSITION)pNode;
        return nullptr;
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount((DWORD_PTR)m_nCount);
            for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
                SerializeElements(ar, &pNode->data, 1);
            return;
        }
        for (DWORD_PTR nNewCount = ar.ReadCount(); nNewCount > 0; --nNewCount) {
            TYPE newData[1] = {};
            SerializeElements(ar, newData, 1);
            AddTail(newData[0]);
        }
    }

protected:
    static CNode* Node(POSITION position)
    {
        if (position == nullptr || position == BEFORE_START_POSITION)
            AfxThrowInvalidArgException();
        return (CNode*)position;
    }
    static CNode* NonEmpty(CNode* pNode)
    {
        if (pNode == nullptr)
            AfxThrowInvalidArgException();
        return pNode;
    }
    static CNode* NewNode(ARG_TYPE newElement) { return new CNode{nullptr, nullptr, TYPE(newElement)}; }
    POSITION Link(CNode* pNode, CNode* pPrev, CNode* pNext)
    {
        pNode->pPrev = pPrev;
        pNode->pNext = pNext;
        (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
        (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
        ++m_nCount;
        return (POSITION)pNode;
    }
    void Unlink(CNode* pNode)
    {
        (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
        (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
        --m_nCount;
        delete pNode;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
};

// A hash map with chained buckets. The table (17 buckets unless InitHashTable says
// otherwise) is made on the first insertion; a new key goes to the head of its
// bucket, and iteration runs through the buckets in order.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
protected:
    struct CAssoc {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHashBucket, nHashValue;
        CAssoc* pAssoc = GetAssocAt(key, nHashBucket, nHashValue);
        if (pAssoc == nullptr)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    VALUE& operator[](ARG_KEY key)
    {
        UINT nHashBucket, nHashValue;
        CAssoc* pAssoc = GetAssocAt(key, nHashBucket, nHashValue);
        if (pAssoc != nullptr)
            return pAssoc->value;
        if (m_pHashTable.empty())
            InitHashTable(m_nHashTableSize);
        pAssoc = new CAssoc{m_pHashTable[nHashBucket], nHashValue, KEY(key), VALUE()};
        m_pHashTable[nHashBucket] = pAssoc;
        ++m_nCount;
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_pHashTable.empty())
            return FALSE;
        UINT nHashValue = HashKey(key);
        for (CAssoc** ppPrev = &m_pHashTable[nHashValue % m_nHashTableSize]; *ppPrev != nullptr;
             ppPrev = &(*ppPrev)->pNext) {
            CAssoc* pAssoc = *ppPrev;
            if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key)) {
                *ppPrev = pAssoc->pNext;
                delete pAssoc;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc*& pHead : m_pHashTable)
            while (pHead != nullptr) {
                CAssoc* pNext = pHead->pNext;
                delete pHead;
                pHead = pNext;
            }
        m_pHashTable.clear();
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        CAssoc* pAssocRet = (CAssoc*)rNextPosition;
        if (pAssocRet == nullptr)
            AfxThrowInvalidArgException();
        if (pAssocRet == (CAssoc*)BEFORE_START_POSITION)
            pAssocRet = FirstInBuckets(0);
        CAssoc* pAssocNext = pAssocRet->pNext;
        if (pAssocNext == nullptr)
            pAssocNext = FirstInBuckets(pAssocRet->nHashValue % m_nHashTableSize + 1);
        rNextPosition = (POSITION)pAssocNext;
        rKey = pAssocRet->key;
        rValue = pAssocRet->value;
    }

    // Takes effect while the map is empty.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
    {
        if (m_nCount != 0 || hashSize == 0)
            return;
        m_pHashTable.clear();
        m_nHashTableSize = hashSize;
        if (bAllocNow)
            m_pHashTable.assign(hashSize, nullptr);
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount((DWORD_PTR)m_nCount);
            for (CAssoc* pHead : m_pHashTable)
                for (CAssoc* pAssoc = pHead; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
                    SerializeElements(ar, &pAssoc->key, 1);
                    SerializeElements(ar, &pAssoc->value, 1);
                }
            return;
        }
        for (DWORD_PTR nNewCount = ar.ReadCount(); nNewCount > 0; --nNewCount) {
            KEY newKey[1] = {};
            VALUE newValue[1] = {};
            SerializeElements(ar, newKey, 1);
            SerializeElements(ar, newValue, 1);
            SetAt(newKey[0], newValue[0]);
        }
    }

protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHashBucket, UINT& nHashValue) const
    {
        nHashValue = HashKey(key);
        nHashBucket = nHashValue % m_nHashTableSize;
        if (m_pHashTable.empty())
            return nullptr;
        for (CAssoc* pAssoc = m_pHashTable[nHashBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext)
            if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
                return pAssoc;
        return nullptr;
    }
    CAssoc* FirstInBuckets(UINT nBucket) const
    {
        for (; nBucket < m_pHashTable.size(); ++nBucket)
            if (m_pHashTable[nBucket] != nullptr)
                return m_pHashTable[nBucket];
        return nullptr;
    }

    std::vector<CAssoc*> m_pHashTable;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
};

// Lists and arrays of pointers that hand out the element type instead of the base's
// CObject* or void*.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
    using Base = BASE_CLASS;

public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return reinterpret_cast<TYPE&>(Base::GetHead()); }
    TYPE GetHead() const { return (TYPE)Base::GetHead(); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(Base::GetTail()); }
    TYPE GetTail() const { return (TYPE)Base::GetTail(); }
    TYPE RemoveHead() { return (TYPE)Base::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)Base::RemoveTail(); }
    POSITION AddHead(TYPE newElement) { return Base::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return Base::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { Base::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { Base::AddTail(pNewList); }
    TYPE& GetNext(POSITION& rPosition) { return reinterpret_cast<TYPE&>(Base::GetNext(rPosition)); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)Base::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return reinterpret_cast<TYPE&>(Base::GetPrev(rPosition)); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)Base::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(Base::GetAt(position)); }
    TYPE GetAt(POSITION position) const { return (TYPE)Base::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { Base::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement) { return Base::InsertBefore(position, newElement); }
    POSITION InsertAfter(POSITION position, TYPE newElement) { return Base::InsertAfter(position, newElement); }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
    using Base = BASE_CLASS;

public:
    TYPE GetAt(INT_PTR nIndex) const { return (TYPE)Base::GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(Base::ElementAt(nIndex)); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { Base::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { Base::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return Base::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return Base::Append(src); }
    void Copy(const CTypedPtrArray& src) { Base::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) { Base::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray) { Base::InsertAt(nStartIndex, pNewArray); }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    TYPE* GetData() { return reinterpret_cast<TYPE*>(Base::GetData()); }
    const TYPE* GetData() const { return reinterpret_cast<const TYPE*>(Base::GetData()); }
};
