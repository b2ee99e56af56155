#include <zorvane.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

// The records are marshalled by their layout: sizes and offsets are part of the wire format.
static_assert(sizeof(SummaryActivityRequest) == 56);
static_assert(offsetof(SummaryActivityRequest, ObjectType) == 0);
static_assert(offsetof(SummaryActivityRequest, ComputerId) == 4);
static_assert(offsetof(SummaryActivityRequest, UserId) == 8);
static_assert(offsetof(SummaryActivityRequest, ProcessId) == 12);
static_assert(offsetof(SummaryActivityRequest, DocumentId) == 16);
static_assert(offsetof(SummaryActivityRequest, TimeStart) == 24);
static_assert(offsetof(SummaryActivityRequest, TimeEnd) == 32);
static_assert(offsetof(SummaryActivityRequest, FirstEntry) == 40);
static_assert(offsetof(SummaryActivityRequest, EntriesCount) == 44);
static_assert(offsetof(SummaryActivityRequest, ReturnEmptyObjects) == 48);
static_assert(sizeof(SummaryObjectRequest) == 24);
static_assert(offsetof(SummaryObjectRequest, ObjectType) == 0);
static_assert(offsetof(SummaryObjectRequest, ObjectId) == 4);
static_assert(offsetof(SummaryObjectRequest, TimeStart) == 8);
static_assert(offsetof(SummaryObjectRequest, TimeEnd) == 16);
static_assert(sizeof(ZorvaneObjectType) == 4);

namespace {

// The library embedded in this test program as TYPELIB resource 1, as every program embeds it.
class TypeLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t path[MAX_PATH];
        ASSERT_NE(0u, GetModuleFileNameW(nullptr, path, MAX_PATH));
        ASSERT_EQ(S_OK, LoadTypeLibEx(path, REGKIND_NONE, &lib));
    }
    void TearDown() override
    {
        if (lib)
            lib->Release();
    }

    std::wstring Name(ITypeInfo* info, MEMBERID id)
    {
        BSTR name = nullptr;
        EXPECT_EQ(S_OK, info->GetDocumentation(id, &name, nullptr, nullptr, nullptr));
        std::wstring text = name ? name : L"";
        SysFreeString(name);
        return text;
    }

    ITypeLib* lib = nullptr;
};

TEST_F(TypeLibraryTest, HeaderMatchesTheInterfaceContract)
{
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(S_OK, lib->GetLibAttr(&attr));
    EXPECT_EQ(LIBID_ZorvaneServerLib, attr->guid);
    EXPECT_EQ(1, attr->wMajorVerNum);
    EXPECT_EQ(0, attr->wMinorVerNum);
    EXPECT_EQ(0x409u, attr->lcid);
    EXPECT_EQ(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, attr->syskind);
    lib->ReleaseTLibAttr(attr);

    BSTR name = nullptr, help = nullptr;
    ASSERT_EQ(S_OK, lib->GetDocumentation(-1, &name, &help, nullptr, nullptr));
    EXPECT_STREQ(L"ZorvaneServerLib", name);
    EXPECT_STREQ(L"ZorvaneServer 1.0 Type Library", help);
    SysFreeString(name);
    SysFreeString(help);
}

TEST_F(TypeLibraryTest, InterfaceHasTheFiveMethodsInOrderWithTheirDispids)
{
    ITypeInfo* dispatch = nullptr;
    ASSERT_EQ(S_OK, lib->GetTypeInfoOfGuid(IID_IZorvane, &dispatch));
    // A dual interface: the dispatch view refers to the vtable view.
    HREFTYPE ref = 0;
    ASSERT_EQ(S_OK, dispatch->GetRefTypeOfImplType(-1, &ref));
    ITypeInfo* vtable = nullptr;
    ASSERT_EQ(S_OK, dispatch->GetRefTypeInfo(ref, &vtable));

    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, vtable->GetTypeAttr(&attr));
    EXPECT_EQ(TKIND_INTERFACE, attr->typekind);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FNONEXTENSIBLE);
    ASSERT_EQ(5, attr->cFuncs);
    vtable->ReleaseTypeAttr(attr);

    struct Expected {
        const wchar_t* name;
        MEMBERID id;
        short params;
        short vtableSlot;
    };
    const std::vector<Expected> methods = {
        {L"ReportActivity", 0x60020000, 9, 7},         {L"GetQuantum", 0x60020001, 1, 8},
        {L"SendProcessInformation", 0x60020002, 3, 9}, {L"GetSummaryActivityData", 0x60020003, 2, 10},
        {L"GetSummaryObjectData", 0x60020004, 2, 11},
    };
    for (UINT i = 0; i < methods.size(); ++i) {
        FUNCDESC* func = nullptr;
        ASSERT_EQ(S_OK, vtable->GetFuncDesc(i, &func));
        EXPECT_EQ(methods[i].id, func->memid) << i;
        EXPECT_EQ(methods[i].params, func->cParams) << i;
        EXPECT_EQ(methods[i].vtableSlot * static_cast<short>(sizeof(void*)), func->oVft) << i;
        EXPECT_EQ(CC_STDCALL, func->callconv) << i;
        EXPECT_EQ(methods[i].name, Name(vtable, func->memid)) << i;
        vtable->ReleaseFuncDesc(func);
    }
    vtable->Release();
    dispatch->Release();
}

TEST_F(TypeLibraryTest, CoclassHasTheInterfaceAsDefault)
{
    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(S_OK, lib->GetTypeInfoOfGuid(CLSID_ZorvaneServer, &coclass));
    int flags = 0;
    ASSERT_EQ(S_OK, coclass->GetImplTypeFlags(0, &flags));
    EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
    HREFTYPE ref = 0;
    ASSERT_EQ(S_OK, coclass->GetRefTypeOfImplType(0, &ref));
    ITypeInfo* itf = nullptr;
    ASSERT_EQ(S_OK, coclass->GetRefTypeInfo(ref, &itf));
    EXPECT_EQ(L"IZorvane", Name(itf, MEMBERID_NIL));
    BSTR help = nullptr;
    ASSERT_EQ(S_OK, coclass->GetDocumentation(MEMBERID_NIL, nullptr, &help, nullptr, nullptr));
    EXPECT_STREQ(L"ZorvaneServer Class", help);
    SysFreeString(help);
    itf->Release();
    coclass->Release();
}

}  // namespace
