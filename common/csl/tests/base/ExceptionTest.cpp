#include <csl/EBadCastException.h>
#include <csl/EComException.h>
#include <csl/EGeneric.h>
#include <csl/EPurecallException.h>
#include <csl/EStructuredException.h>
#include <csl/ESystemException.h>

#include <comdef.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// The texts below are those of exceptions without crash diagnostics.
struct TNoDiagnostics : testing::Environment {
    void SetUp() override { SetExceptionDiagnostics({nullptr, nullptr}); }
};
testing::Environment* const sNoDiagnostics = testing::AddGlobalTestEnvironment(new TNoDiagnostics);

std::string TextOf(const EGeneric& iException)
{
    std::string text;
    return iException.GetProperty("Text").IsEmpty() ? text : iException.GetProperty("Text").GetString(text);
}

}  // namespace

TEST(EGeneric, WhatTexts)
{
    struct {
        EGeneric Exception;
        const char* Text;
    } cases[] = {
        {EGeneric(), ""},
        {EGeneric({{"Text", "abc"}}), "abc"},
        {EGeneric({{"Text", "abc"}, {"Code", 5}}), "Text: abc\nCode: 5 (0x5)"},
        {EGeneric({{"Code", -2147467259}}), "Code: -2147467259 (0x80004005)"},
        {EGeneric({{"Code", 4294967295ul}}), "Code: 4294967295"},
        {EGeneric({{"Flag", true}, {"Empty", _value_t()}, {"Name", L"wide"}}), "Flag: true\nEmpty: \nName: wide"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.Text, c.Exception.what());
}

TEST(EGeneric, PropertiesKeepTheirFirstPlaceAndIgnoreCase)
{
    EGeneric e({{"Text", "abc"}, {"Code", 5}});
    e.SetProperty("TEXT", "xyz");
    e.SetProperty("Source", "here");
    EXPECT_STREQ("Text: xyz\nCode: 5 (0x5)\nSource: here", e.what());
    EXPECT_EQ("xyz", TextOf(e));
    EXPECT_TRUE(e.GetProperty("missing").IsEmpty());

    e.PropertyRef("Late") = 7;
    EGeneric copy(e);
    e.SetProperty("Code", 6);
    EXPECT_STREQ("Text: xyz\nCode: 5 (0x5)\nSource: here\nLate: 7 (0x7)", copy.what());
}

TEST(EGeneric, WhatTextBelongsToItsException)
{
    const EGeneric first({{"Text", "first"}});
    const char* text = first.what();
    const EGeneric second({{"Text", "second"}});
    second.what();
    EXPECT_STREQ("first", text);
}

namespace {

void AddStack(EGeneric& ioException)
{
    ioException.SetProperty("Stack", "\n-> frame");
}
void AddStructuredStack(EGeneric& ioException, EXCEPTION_POINTERS*)
{
    ioException.SetProperty("AddressName", "here");
    ioException.SetProperty("Stack", "\n-> fault");
}

struct TFakeDiagnostics {
    TFakeDiagnostics() { SetExceptionDiagnostics({&AddStack, &AddStructuredStack}); }
    ~TFakeDiagnostics() { SetExceptionDiagnostics({nullptr, nullptr}); }
};

}  // namespace

TEST(EGeneric, DiagnosticsFollowTheConstructorsProperties)
{
    TFakeDiagnostics diagnostics;
    EXPECT_STREQ("Stack: \n-> frame", EGeneric().what());
    EXPECT_STREQ("Text: a\nStack: \n-> frame", EGeneric({{"Text", "a"}}).what());
    EXPECT_STREQ("Text: a\nStack: \n-> frame", EGeneric(EGeneric({{"Text", "a"}})).what());
}

TEST(EStructuredException, PropertiesFromTheRecordWithStackLast)
{
    TFakeDiagnostics diagnostics;
    EXCEPTION_RECORD record = {};
    record.ExceptionCode = EXCEPTION_ACCESS_VIOLATION;
    record.ExceptionAddress = reinterpret_cast<void*>(0x401000);
    record.NumberParameters = 2;
    record.ExceptionInformation[0] = 1;
    record.ExceptionInformation[1] = 16;
    EXCEPTION_POINTERS pointers = {&record, nullptr};
    EXPECT_STREQ("Text: Access Violation (write to 0x10)\nCode: -1073741819 (0xc0000005)\nAddress: 4198400 (0x401000)\n"
                 "Parameter0: 1 (0x1)\nParameter1: 16 (0x10)\nAddressName: here\nStack: \n-> fault",
                 EStructuredException(EXCEPTION_ACCESS_VIOLATION, &pointers).what());

    record.ExceptionInformation[0] = 0;
    EXPECT_EQ("Access Violation (read from 0x10)", TextOf(EStructuredException(EXCEPTION_ACCESS_VIOLATION, &pointers)));

    record.ExceptionCode = 0xE0000001;
    record.NumberParameters = 11;
    const EStructuredException unnamed(0xE0000001, &pointers);
    EXPECT_FALSE(unnamed.HasProperty("Text"));
    EXPECT_TRUE(unnamed.HasProperty("Parameter:"));
}

TEST(EStructuredException, CodeNames)
{
    const struct {
        DWORD Code;
        const char* Name;
    } cases[] = {{0x80000003, "Breakpoint"},
                 {0xC0000094, "Divide by Zero"},
                 {0xC000008D, "FPU Error"},
                 {0xC00002B5, "FPU Error"},
                 {0xC00000FD, "Stack Overflow"},
                 {0xC0000017, "No Memory"},
                 {0x12345678, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(c.Name, StructuredExceptionName(c.Code)) << std::hex << c.Code;
}

TEST(ESystemException, CodeAndSystemText)
{
    const ESystemException known(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(2, known.GetProperty("Code").GetInt());
    EXPECT_FALSE(TextOf(known).empty());
    EXPECT_EQ(std::string::npos, TextOf(known).find_last_of("\r\n"));

    const ESystemException unknown(0x2000FFFF);
    EXPECT_EQ("", TextOf(unknown));
    EXPECT_STREQ("Code: 536936447 (0x2000ffff)\nText: ", unknown.what());

    SetLastError(ERROR_ACCESS_DENIED);
    try {
        ThrowLastSystemError();
    } catch (const ESystemException& e) {
        EXPECT_EQ(5, e.GetProperty("Code").GetInt());
    }
}

TEST(EBadCastException, NamesBothTypes)
{
    EXPECT_STREQ("Text: Bad cast\nFrom: unsigned long\nTo: int",
                 EBadCastException(typeid(int), typeid(unsigned long)).what());
    EXPECT_STREQ("Purecall", EPurecallException().what());
}

TEST(ComErrors, FailingSupportClassesThrowEComException)
{
    _variant_t text(L"not a number");
    try {
        static_cast<long>(text);
        FAIL() << "the conversion must fail";
    } catch (const EComException& e) {
        EXPECT_EQ(DISP_E_TYPEMISMATCH, e.GetHResult());
        EXPECT_EQ(DISP_E_TYPEMISMATCH, e.GetProperty("Code").GetInt());
        std::string digits;
        EXPECT_EQ("80020005", e.GetProperty("HRESULT").GetString(digits));
    }
}

// The system's text of some codes has places for arguments that a COM failure never has.
TEST(ComErrors, SystemTextWithArgumentPlacesIsTakenAsItStands)
{
    try {
        ComErrorHandler(HRESULT_FROM_WIN32(ERROR_BAD_EXE_FORMAT));
    } catch (const EComException& e) {
        EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_BAD_EXE_FORMAT), e.GetHResult());
        std::string text;
        EXPECT_NE(std::string::npos, e.GetProperty("Text").GetString(text).find("%1")) << e.what();
    }
}

TEST(ComErrors, ErrorInformationGivesDescriptionAndSource)
{
    ICreateErrorInfo* create = nullptr;
    ASSERT_EQ(S_OK, CreateErrorInfo(&create));
    create->SetDescription(const_cast<LPOLESTR>(L"It broke"));
    create->SetSource(const_cast<LPOLESTR>(L"Zv.Test"));
    IErrorInfo* info = nullptr;
    ASSERT_EQ(S_OK, create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)));
    create->Release();
    try {
        ComErrorHandler(E_FAIL, info);
    } catch (const EComException& e) {
        EXPECT_EQ(E_FAIL, e.GetHResult());
        std::wstring description, source;
        EXPECT_EQ(L"It broke", e.GetProperty("Description").GetWString(description));
        EXPECT_EQ(L"Zv.Test", e.GetProperty("Source").GetWString(source));
        std::string names;
        for (const std::string& name : e.GetPropertyNames())
            names += name + ",";
        EXPECT_EQ("Code,HRESULT,Text,Description,Source,", names);
    }
}
