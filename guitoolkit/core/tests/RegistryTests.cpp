#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
// A serialisable object for the archived-object values.
class StoredShape : public CObject {
    DECLARE_SERIAL(StoredShape)
public:
    StoredShape() = default;
    explicit StoredShape(int side) : side(side) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << side;
        else
            ar >> side;
    }
    int side = 0;
};
IMPLEMENT_SERIAL(StoredShape, CObject, 1)

class OtherShape : public StoredShape {
    DECLARE_SERIAL(OtherShape)
};
IMPLEMENT_SERIAL(OtherShape, StoredShape, 1)

class UnrelatedThing : public CObject {
    DECLARE_SERIAL(UnrelatedThing)
};
IMPLEMENT_SERIAL(UnrelatedThing, CObject, 1)

// A scratch key under HKEY_CURRENT_USER, removed before and after each test.
class RegistryTest : public ::testing::Test {
protected:
    const CString root = L"Software\\ZorvaneTests\\GtCoreRegistry";

    void SetUp() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, root);
        ASSERT_TRUE(writer.CreateKey(root));
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, root); }

    std::vector<BYTE> Stored(LPCWSTR name)
    {
        DWORD size = 0;
        ::RegGetValueW(HKEY_CURRENT_USER, root, name, RRF_RT_ANY, nullptr, nullptr, &size);
        std::vector<BYTE> bytes(size);
        ::RegGetValueW(HKEY_CURRENT_USER, root, name, RRF_RT_ANY, nullptr, bytes.data(), &size);
        return bytes;
    }
    void StoreRaw(LPCWSTR name, DWORD type, const std::vector<BYTE>& bytes)
    {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, root, name, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    std::unique_ptr<CGTRegistry> Reader()
    {
        auto reader = std::make_unique<CGTRegistry>(FALSE, TRUE);
        EXPECT_TRUE(reader->Open(root));
        return reader;
    }

    CGTRegistry writer{FALSE, FALSE};
};
}  // namespace

TEST_F(RegistryTest, SimpleValuesRoundTrip)
{
    ASSERT_TRUE(writer.WriteDword(L"Dword", 0xDEADBEEF));
    ASSERT_TRUE(writer.WriteInt(L"Int", -5));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), writer.lastType);
    EXPECT_EQ(4u, writer.lastSize);
    ASSERT_TRUE(writer.WriteString(L"Text", L"Hello"));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), writer.lastType);
    EXPECT_EQ(6u, writer.lastSize);
    const BYTE blob[] = {1, 2, 3};
    ASSERT_TRUE(writer.WriteBinary(L"Blob", blob, 3));

    auto reader = Reader();
    DWORD dword = 0;
    int value = 0;
    CString text;
    EXPECT_TRUE(reader->ReadDword(L"Dword", dword));
    EXPECT_EQ(0xDEADBEEF, dword);
    EXPECT_TRUE(reader->ReadInt(L"Int", value));
    EXPECT_EQ(-5, value);
    EXPECT_TRUE(reader->ReadString(L"Text", text));
    EXPECT_STREQ(L"Hello", text);
    BYTE* bytes = nullptr;
    UINT size = 0;
    EXPECT_TRUE(reader->ReadBinary(L"Blob", bytes, size));
    ASSERT_EQ(3u, size);
    EXPECT_EQ(0, memcmp(blob, bytes, 3));
    delete[] bytes;

    EXPECT_FALSE(reader->ReadString(L"Missing", text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(reader->ReadBinary(L"Missing", bytes, size));
    EXPECT_EQ(nullptr, bytes);
}

TEST_F(RegistryTest, DwordReadsAcceptAnyFourByteValueOnly)
{
    StoreRaw(L"Four", REG_BINARY, {1, 0, 0, 0});
    StoreRaw(L"Eight", REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0});
    auto reader = Reader();
    DWORD value = 0;
    EXPECT_TRUE(reader->ReadDword(L"Four", value));
    EXPECT_EQ(1u, value);
    value = 9;
    EXPECT_FALSE(reader->ReadDword(L"Eight", value));
    EXPECT_EQ(9u, value);
}

TEST_F(RegistryTest, StringsWithoutTerminatorOrOfOddSizeReadSafely)
{
    StoreRaw(L"Unterminated", REG_SZ, {'a', 0, 'b', 0, 'c', 0});
    StoreRaw(L"Odd", REG_SZ, {'a', 0, 'b', 0, 'c', 0, 'd'});
    auto reader = Reader();
    CString text;
    EXPECT_TRUE(reader->ReadString(L"Unterminated", text));
    EXPECT_STREQ(L"abc", text);
    EXPECT_TRUE(reader->ReadString(L"Odd", text));
    EXPECT_STREQ(L"abc", text);
}

TEST_F(RegistryTest, CompositeValuesKeepTheirStoredLayouts)
{
    ASSERT_TRUE(writer.WritePoint(L"Point", CPoint(-3, 7)));
    EXPECT_EQ((std::vector<BYTE>{5, 0, 0xFD, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              Stored(L"Point"));
    ASSERT_TRUE(writer.WriteRect(L"Rect", CRect(1, -2, 3, 4)));
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 4, 0, 0, 0}), Stored(L"Rect"));
    CWordArray words;
    words.Add(0x1234);
    words.Add(7);
    ASSERT_TRUE(writer.WriteWordArray(L"Words", words));
    EXPECT_EQ((std::vector<BYTE>{2, 0, 0, 0, 0x34, 0x12, 7, 0}), Stored(L"Words"));
    CWordArray noWords;
    ASSERT_TRUE(writer.WriteWordArray(L"NoWords", noWords));
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0}), Stored(L"NoWords"));

    auto reader = Reader();
    POINT point = {};
    EXPECT_TRUE(reader->ReadPoint(L"Point", point));
    EXPECT_EQ(-3, point.x);
    EXPECT_EQ(7, point.y);
    RECT rect = {};
    EXPECT_TRUE(reader->ReadRect(L"Rect", rect));
    EXPECT_EQ(CRect(1, -2, 3, 4), CRect(rect));
    CWordArray readWords;
    EXPECT_TRUE(reader->ReadWordArray(L"Words", readWords));
    ASSERT_EQ(2, readWords.GetSize());
    EXPECT_EQ(0x1234, readWords[0]);
    EXPECT_TRUE(reader->ReadWordArray(L"NoWords", readWords));
    EXPECT_EQ(0, readWords.GetSize());
}

TEST_F(RegistryTest, CollectionsRoundTrip)
{
    CByteArray bytes;
    bytes.Add(9);
    CDWordArray dwords;
    dwords.Add(0x01020304);
    dwords.Add(5);
    CStringArray strings;
    strings.Add(L"one");
    strings.Add(L"");
    CStringList list;
    list.AddTail(L"first");
    list.AddTail(L"second");
    CObList objects;
    StoredShape shape(4);
    objects.AddTail(&shape);
    ASSERT_TRUE(writer.WriteByteArray(L"Bytes", bytes));
    ASSERT_TRUE(writer.WriteDWordArray(L"Dwords", dwords));
    ASSERT_TRUE(writer.WriteStringArray(L"Strings", strings));
    ASSERT_TRUE(writer.WriteStringList(L"List", list));
    ASSERT_TRUE(writer.WriteObList(L"Objects", objects));
    EXPECT_EQ((std::vector<BYTE>{1, 0, 9}), Stored(L"Bytes"));

    auto reader = Reader();
    CByteArray readBytes;
    readBytes.Add(1);
    EXPECT_TRUE(reader->ReadByteArray(L"Bytes", readBytes));
    ASSERT_EQ(1, readBytes.GetSize());
    EXPECT_EQ(9, readBytes[0]);
    CDWordArray readDwords;
    EXPECT_TRUE(reader->ReadDWordArray(L"Dwords", readDwords));
    ASSERT_EQ(2, readDwords.GetSize());
    EXPECT_EQ(0x01020304u, readDwords[0]);
    CStringArray readStrings;
    EXPECT_TRUE(reader->ReadStringArray(L"Strings", readStrings));
    ASSERT_EQ(2, readStrings.GetSize());
    EXPECT_STREQ(L"one", readStrings[0]);
    CStringList readList;
    EXPECT_TRUE(reader->ReadStringList(L"List", readList));
    ASSERT_EQ(2, readList.GetCount());
    EXPECT_STREQ(L"second", readList.GetTail());
    CObList readObjects;
    readObjects.AddTail(new StoredShape(1));
    EXPECT_TRUE(reader->ReadObList(L"Objects", readObjects));
    ASSERT_EQ(1, readObjects.GetCount());
    EXPECT_EQ(4, static_cast<StoredShape*>(readObjects.GetHead())->side);
    delete readObjects.RemoveHead();
}

TEST_F(RegistryTest, IntArraysAndListsAreCountedThirtyTwoBitValues)
{
    CArray<int, int> array;
    array.Add(-1);
    array.Add(2);
    CList<int, int> list;
    list.AddTail(3);
    ASSERT_TRUE(writer.WriteIntArray(L"Ints", array));
    ASSERT_TRUE(writer.WriteIntList(L"IntList", list));
    EXPECT_EQ((std::vector<BYTE>{2, 0, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0}), Stored(L"Ints"));
    EXPECT_EQ((std::vector<BYTE>{1, 0, 3, 0, 0, 0}), Stored(L"IntList"));
    StoreRaw(L"Spare", REG_BINARY, {1, 0, 3, 0, 0, 0, 9});
    StoreRaw(L"Short", REG_BINARY, {2, 0, 3, 0, 0, 0});

    auto reader = Reader();
    CArray<int, int> readArray;
    readArray.Add(7);
    EXPECT_TRUE(reader->ReadIntArray(L"Ints", readArray));
    ASSERT_EQ(2, readArray.GetSize());
    EXPECT_EQ(-1, readArray[0]);
    EXPECT_EQ(2, readArray[1]);
    CList<int, int> readList;
    EXPECT_TRUE(reader->ReadIntList(L"IntList", readList));
    ASSERT_EQ(1, readList.GetCount());
    EXPECT_EQ(3, readList.GetHead());
    for (LPCWSTR bad : {L"Spare", L"Short"}) {
        EXPECT_FALSE(reader->ReadIntArray(bad, readArray)) << bad;
        EXPECT_FALSE(reader->ReadIntList(bad, readList)) << bad;
    }
}

TEST_F(RegistryTest, AnObjectListThatDoesNotLoadLeavesTheListAsItWas)
{
    StoredShape first(1), second(2);
    CObList objects;
    objects.AddTail(&first);
    objects.AddTail(&second);
    ASSERT_TRUE(writer.WriteObList(L"Objects", objects));
    std::vector<BYTE> bytes = Stored(L"Objects");
    bytes.pop_back();
    StoreRaw(L"Cut", REG_BINARY, bytes);

    StoredShape kept(9);
    CObList list;
    list.AddTail(&kept);
    EXPECT_FALSE(Reader()->ReadObList(L"Cut", list));
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(&kept, list.GetHead());

    // A list naming an object twice would give it two owners.
    objects.AddTail(&first);
    ASSERT_TRUE(writer.WriteObList(L"Twice", objects));
    EXPECT_FALSE(Reader()->ReadObList(L"Twice", list));
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(&kept, list.GetHead());
}

TEST_F(RegistryTest, ArrayReadsRefuseACountThatDoesNotMatchTheValue)
{
    StoreRaw(L"Words", REG_BINARY, {5, 0, 0, 0, 1, 0, 2, 0});
    StoreRaw(L"HugeWords", REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF, 1, 0});
    StoreRaw(L"Bytes", REG_BINARY, {100, 0, 1, 2, 3});
    StoreRaw(L"LongBytes", REG_BINARY, {1, 0, 1, 2});
    StoreRaw(L"HugeDwords", REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4});
    StoreRaw(L"Strings", REG_BINARY, {0x10, 0x27, 1, 'a'});
    StoreRaw(L"ShortPoint", REG_BINARY, {3, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0});
    StoreRaw(L"Rect", REG_BINARY, {1, 2, 3});
    auto reader = Reader();
    CWordArray words;
    EXPECT_FALSE(reader->ReadWordArray(L"Words", words));
    EXPECT_FALSE(reader->ReadWordArray(L"HugeWords", words));
    CByteArray bytes;
    EXPECT_FALSE(reader->ReadByteArray(L"Bytes", bytes));
    EXPECT_FALSE(reader->ReadByteArray(L"LongBytes", bytes));
    CDWordArray dwords;
    EXPECT_FALSE(reader->ReadDWordArray(L"HugeDwords", dwords));
    CStringArray strings;
    EXPECT_FALSE(reader->ReadStringArray(L"Strings", strings));
    POINT point;
    EXPECT_FALSE(reader->ReadPoint(L"ShortPoint", point));
    RECT rect;
    EXPECT_FALSE(reader->ReadRect(L"Rect", rect));
}

TEST_F(RegistryTest, ObjectsReadOnlyAsTheExpectedClass)
{
    StoredShape shape(12);
    OtherShape derived;
    UnrelatedThing unrelated;
    ASSERT_TRUE(writer.WriteObject(L"Shape", &shape));
    ASSERT_TRUE(writer.WriteObject(L"Derived", &derived));
    ASSERT_TRUE(writer.WriteObject(L"Unrelated", &unrelated));
    ASSERT_TRUE(writer.WriteSerializable(L"Plain", shape));
    StoreRaw(L"Garbage", REG_BINARY, {0xFF, 0xFF, 1, 0, 3, 0, 'A', 'B'});

    auto reader = Reader();
    CObject* object = nullptr;
    ASSERT_TRUE(reader->ReadObject(L"Shape", object, RUNTIME_CLASS(StoredShape)));
    ASSERT_TRUE(object->IsKindOf(RUNTIME_CLASS(StoredShape)));
    EXPECT_EQ(12, static_cast<StoredShape*>(object)->side);
    delete object;
    ASSERT_TRUE(reader->ReadObject(L"Derived", object, RUNTIME_CLASS(StoredShape)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(OtherShape)));
    delete object;
    EXPECT_FALSE(reader->ReadObject(L"Unrelated", object, RUNTIME_CLASS(StoredShape)));
    EXPECT_EQ(nullptr, object);
    EXPECT_FALSE(reader->ReadObject(L"Garbage", object, RUNTIME_CLASS(StoredShape)));
    StoredShape plain;
    EXPECT_TRUE(reader->ReadSerializable(L"Plain", plain));
    EXPECT_EQ(12, plain.side);
}

TEST_F(RegistryTest, KeysOpenWithOrWithoutTrailingBackslashAndCloseWhatTheyReplace)
{
    ASSERT_TRUE(writer.CreateKey(L"Sub\\"));
    ASSERT_TRUE(writer.WriteInt(L"Value", 3));
    CGTRegistry reader(FALSE, TRUE);
    ASSERT_TRUE(reader.Open(root + L"\\"));
    EXPECT_TRUE(reader.VerifyKey(L"Sub"));
    EXPECT_TRUE(reader.VerifyKey(L"Sub\\"));
    EXPECT_FALSE(reader.VerifyKey(L"Absent"));
    const HKEY left = reader.currentKey;
    ASSERT_TRUE(reader.Open(L"Sub"));
    EXPECT_NE(ERROR_SUCCESS,
              ::RegQueryInfoKeyW(left, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr));
    EXPECT_TRUE(reader.VerifyValue(L"Value"));
    EXPECT_FALSE(reader.Open(L"Absent"));
    int value = 0;
    EXPECT_TRUE(reader.ReadInt(L"Value", value));
    EXPECT_EQ(3, value);
}

TEST_F(RegistryTest, ReadOnlyObjectsRefuseEveryChange)
{
    ASSERT_TRUE(writer.CreateKey(L"Keep"));
    ASSERT_TRUE(writer.WriteInt(L"Value", 1));
    CGTRegistryHolder holder;
    CGTRegistry& reader = holder.Create(FALSE, TRUE);
    EXPECT_EQ(&reader, &holder.Create(FALSE, FALSE));
    ASSERT_TRUE(reader.Open(root + L"\\Keep"));
    EXPECT_FALSE(reader.WriteInt(L"Value", 2));
    EXPECT_FALSE(reader.WriteString(L"Text", L"x"));
    EXPECT_FALSE(reader.WriteRect(L"Rect", CRect()));
    EXPECT_FALSE(reader.DeleteValue(L"Value"));
    EXPECT_FALSE(reader.CreateKey(L"New"));
    EXPECT_FALSE(reader.DeleteKey(root, FALSE));
    int value = 0;
    EXPECT_TRUE(reader.ReadInt(L"Value", value));
    EXPECT_EQ(1, value);
    EXPECT_FALSE(reader.VerifyKey(L"New"));
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTreeAndNamesAreListed)
{
    CGTRegistry tree(FALSE, FALSE);
    ASSERT_TRUE(tree.CreateKey(root + L"\\Top\\Middle\\Bottom"));
    ASSERT_TRUE(tree.WriteInt(L"Deep", 1));
    CGTRegistry sibling(FALSE, FALSE);
    ASSERT_TRUE(sibling.CreateKey(root + L"\\Top\\Other"));
    ASSERT_TRUE(writer.WriteInt(L"A", 1));
    ASSERT_TRUE(writer.WriteInt(L"B", 2));

    auto reader = Reader();
    CStringArray names;
    EXPECT_TRUE(reader->ReadValueNames(names));
    EXPECT_EQ(2, names.GetSize());
    CStringArray keys;
    EXPECT_TRUE(reader->ReadKeyNames(keys));
    ASSERT_EQ(1, keys.GetSize());
    EXPECT_STREQ(L"Top", keys[0]);

    CGTRegistry deleter(FALSE, FALSE);
    EXPECT_TRUE(deleter.DeleteKey(root + L"\\Top\\", FALSE));
    EXPECT_FALSE(deleter.VerifyKey(root + L"\\Top"));
    EXPECT_TRUE(deleter.VerifyKey(root));
    EXPECT_FALSE(deleter.DeleteKey(root + L"\\Top", FALSE));
}

TEST(RegistrySectionPath, BuildsFromTheApplicationOrTakesTheExplicitPath)
{
    EXPECT_STREQ(L"Custom\\Path\\", BuildRegistrySectionPath(L"RIRToolBars", L"Custom\\Path\\"));
    CWinApp app(L"P");
    app.SetRegistryKey(L"K");
    EXPECT_STREQ(L"SOFTWARE\\K\\P\\RIRToolBars\\", BuildRegistrySectionPath(L"RIRToolBars"));
    EXPECT_STREQ(L"SOFTWARE\\K\\P\\VADEGrids\\", BuildRegistrySectionPath(L"VADEGrids", L""));
    free(const_cast<LPWSTR>(app.m_pszRegistryKey));
    app.m_pszRegistryKey = nullptr;
    EXPECT_STREQ(L"SOFTWARE\\P\\RIRToolBars\\", BuildRegistrySectionPath(L"RIRToolBars"));
}
