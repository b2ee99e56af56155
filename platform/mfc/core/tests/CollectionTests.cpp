#include <afx.h>
#include <gtest/gtest.h>
#include <memory>
#include "ArchiveTestSupport.h"

namespace {

class CItem : public CObject {
    DECLARE_SERIAL(CItem)
public:
    CItem(int id = 0) : m_id(id) {}
    int m_id;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_id;
        else
            ar >> m_id;
    }
};
IMPLEMENT_SERIAL(CItem, CObject, 1)

// An item that counts the live objects of its class.
class CCountedItem : public CItem {
    DECLARE_SERIAL(CCountedItem)
public:
    static int s_nLive;
    CCountedItem(int id = 0) : CItem(id) { s_nLive++; }
    ~CCountedItem() override { s_nLive--; }
};
IMPLEMENT_SERIAL(CCountedItem, CItem, 1)
int CCountedItem::s_nLive = 0;

template <class LIST>
std::vector<int> Ids(LIST& list)
{
    std::vector<int> ids;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        ids.push_back(list.GetNext(pos)->m_id);
    return ids;
}

}  // namespace

TEST(Array, GrowsInsertsAndRemoves)
{
    CDWordArray a;
    a.SetSize(3);
    EXPECT_EQ(0u, a[2]);
    a.SetAtGrow(5, 50);
    EXPECT_EQ(6, a.GetSize());
    EXPECT_EQ(0u, a[4]);
    a.InsertAt(1, 7, 2);
    a.RemoveAt(0);
    EXPECT_EQ(7, a.GetSize());
    EXPECT_EQ(7u, a[0]);
    EXPECT_EQ(50u, a.GetAt(a.GetUpperBound()));
    EXPECT_EQ(7, a.Add(a[0]));
    CDWordArray b;
    b.Copy(a);
    EXPECT_EQ(8, b.Append(a));
    EXPECT_EQ(16, b.GetCount());
    b.InsertAt(0, &a);
    EXPECT_EQ(24, b.GetSize());
    EXPECT_THROW(
        {
            try {
                a.GetAt(99);
            } catch (CInvalidArgException* e) {
                e->Delete();
                throw 1;
            }
        },
        int);
}

TEST(List, InsertsFindsAndWalksBothWays)
{
    CStringList list;
    POSITION b = list.AddTail(L"b");
    list.AddHead(L"a");
    list.InsertAfter(b, L"d");
    list.InsertBefore(list.Find(L"d"), L"c");
    list.InsertAfter(nullptr, L"e");
    EXPECT_EQ(5, list.GetCount());
    CString forward, backward;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        forward += list.GetNext(pos);
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backward += list.GetPrev(pos);
    EXPECT_STREQ(L"abcde", forward);
    EXPECT_STREQ(L"edcba", backward);
    EXPECT_STREQ(L"c", list.GetAt(list.FindIndex(2)));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    EXPECT_EQ(nullptr, list.Find(L"a", list.GetHeadPosition()));
    list.RemoveAt(list.Find(L"c"));
    EXPECT_STREQ(L"a", list.RemoveHead());
    EXPECT_STREQ(L"e", list.RemoveTail());
    EXPECT_STREQ(L"b", list.GetHead());
    EXPECT_STREQ(L"d", list.GetTail());
}

TEST(Map, HashesIntoSeventeenBucketsAndIteratesThemInOrder)
{
    CMap<UINT, UINT, int, int> map;
    EXPECT_EQ(nullptr, map.GetStartPosition());
    // Buckets (key >> 4) % 17: 0x20 -> 2, 0x10 -> 1, 0x110 -> 0, 0x120 -> 1.
    for (UINT key : {0x20u, 0x10u, 0x110u, 0x120u})
        map[key] = (int)key;
    EXPECT_EQ(17u, map.GetHashTableSize());
    std::vector<UINT> order;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        UINT key;
        int value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ((int)key, value);
        order.push_back(key);
    }
    EXPECT_EQ((std::vector<UINT>{0x110, 0x120, 0x10, 0x20}), order);

    int value = 0;
    EXPECT_TRUE(map.Lookup(0x120, value));
    EXPECT_TRUE(map.RemoveKey(0x120));
    EXPECT_FALSE(map.Lookup(0x120, value));
    EXPECT_FALSE(map.RemoveKey(0x120));
    EXPECT_EQ(3, map.GetCount());

    CMap<CString, LPCTSTR, int, int> byName;
    byName.SetAt(L"one", 1);
    byName[L"two"] = 2;
    EXPECT_TRUE(byName.Lookup(L"two", value));
    EXPECT_EQ(2, value);
    EXPECT_EQ(((UINT)'a' * 33 + 'b'), HashKey(L"ab"));
}

TEST(TypedPtrCollections, HandOutTheElementType)
{
    CItem one(1), two(2);
    CTypedPtrList<CObList, CItem*> list;
    list.AddTail(&one);
    list.AddHead(&two);
    EXPECT_EQ((std::vector<int>{2, 1}), Ids(list));
    EXPECT_EQ(&two, list.GetHead());
    CTypedPtrArray<CObArray, CItem*> array;
    array.Add(&one);
    array.SetAtGrow(2, &two);
    EXPECT_EQ(nullptr, array[1]);
    EXPECT_EQ(2, array[2]->m_id);
}

TEST(CollectionArchive, WritesTheCountThenTheElements)
{
    CDWordArray point;
    for (DWORD v : {7u, 9u, 0u, 0u, 0u})
        point.Add(v);
    Bytes bytes = Store([&](CArchive& ar) { point.Serialize(ar); });
    Bytes expected = {5, 0, 7, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(expected, bytes);

    CStringList names;
    names.AddTail(L"x");
    names.AddTail(L"");
    CWordArray words;
    words.Add(0x0102);
    CByteArray raw;
    raw.Add(0xAB);
    bytes = Store([&](CArchive& ar) {
        names.Serialize(ar);
        words.Serialize(ar);
        raw.Serialize(ar);
    });
    expected = {2, 0, 0xFF, 0xFE, 0xFF, 1, 'x', 0, 0xFF, 0xFE, 0xFF, 0, 1, 0, 2, 1, 1, 0, 0xAB};
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CArchive& ar) {
        CStringList names2;
        CWordArray words2;
        CByteArray raw2;
        names2.Serialize(ar);
        words2.Serialize(ar);
        raw2.Serialize(ar);
        EXPECT_EQ(2, names2.GetCount());
        EXPECT_STREQ(L"x", names2.GetHead());
        EXPECT_EQ(0x0102, words2[0]);
        EXPECT_EQ(0xAB, raw2[0]);
    });
}

TEST(CollectionArchive, ObjectListsAndArraysArchiveObjects)
{
    CItem one(1), two(2);
    CObList list;
    list.AddTail(&one);
    list.AddTail(&two);
    list.AddTail(&one);
    Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });
    Bytes expected = {3, 0, 0xFF, 0xFF, 1, 0, 5, 0, 'C', 'I', 't', 'e', 'm', 1, 0, 0, 0, 0x01, 0x80, 2, 0, 0, 0, 2, 0};
    EXPECT_EQ(expected, bytes);

    Load(bytes, [](CArchive& ar) {
        CTypedPtrList<CObList, CItem*> back;
        back.Serialize(ar);
        EXPECT_EQ((std::vector<int>{1, 2, 1}), Ids(back));
        EXPECT_EQ(back.GetHead(), back.GetTail());
        delete back.RemoveHead();
        delete back.RemoveHead();
    });

    CObArray array;
    array.Add(&two);
    array.Add(nullptr);
    bytes = Store([&](CArchive& ar) { array.Serialize(ar); });
    Load(bytes, [](CArchive& ar) {
        CObArray back;
        back.Serialize(ar);
        ASSERT_EQ(2, back.GetSize());
        EXPECT_EQ(2, static_cast<CItem*>(back[0])->m_id);
        EXPECT_EQ(nullptr, back[1]);
        delete back[0];
    });
}

TEST(CollectionArchive, MapsWriteKeyValuePairsInIterationOrder)
{
    CMap<UINT, UINT, int, int> map;
    map[0x10] = -1;
    map[0x20] = 5;
    Bytes bytes = Store([&](CArchive& ar) { map.Serialize(ar); });
    Bytes expected = {2, 0, 0x10, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x20, 0, 0, 0, 5, 0, 0, 0};
    EXPECT_EQ(expected, bytes);
    Load(bytes, [](CArchive& ar) {
        CMap<UINT, UINT, int, int> back;
        back.Serialize(ar);
        int value;
        EXPECT_TRUE(back.Lookup(0x10, value));
        EXPECT_EQ(-1, value);
        EXPECT_EQ(2, back.GetCount());
    });
}

TEST(CollectionArchive, ACountBeyondTheDataIsTheEndOfTheFile)
{
    // The escaped count 0x7FFFFFFF, then a single element.
    Bytes bytes = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0};
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(bytes, [](CArchive& ar) {
                  CDWordArray values;
                  values.Serialize(ar);
              }));
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(bytes, [](CArchive& ar) {
                  CStringArray texts;
                  texts.Serialize(ar);
              }));
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0}, [](CArchive& ar) {
                  CObArray objects;
                  objects.Serialize(ar);
              }));
}

TEST(CollectionArchive, AFailedLoadLeavesNoObjectAliveAndTheCollectionAsItWas)
{
    CCountedItem one(1), two(2);
    CObList stored;
    stored.AddTail(&one);
    stored.AddTail(&two);
    stored.AddTail(&one);  // a back-reference: deleted once
    Bytes bytes = Store([&](CArchive& ar) { stored.Serialize(ar); });
    Bytes cut = Prefix(bytes, bytes.size() - 1);
    CItem kept(7);

    CTypedPtrList<CObList, CItem*> list;
    list.AddTail(&kept);
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(cut, [&](CArchive& ar) { list.Serialize(ar); }));
    EXPECT_EQ(2, CCountedItem::s_nLive);
    EXPECT_EQ((std::vector<int>{7}), Ids(list));

    CObArray array;
    array.Add(&kept);
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(cut, [&](CArchive& ar) { array.Serialize(ar); }));
    EXPECT_EQ(2, CCountedItem::s_nLive);
    ASSERT_EQ(1, array.GetSize());
    EXPECT_EQ(&kept, array[0]);
}

TEST(CollectionArchive, AnObjectWhoseLoadFailsIsDeletedAndForgotten)
{
    CCountedItem item(3);
    Bytes bytes = Store([&](CArchive& ar) { ar << &item; });
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadFailure(Prefix(bytes, bytes.size() - 1), [](CArchive& ar) { ar.ReadObject(nullptr); }));
    EXPECT_EQ(1, CCountedItem::s_nLive);
}
