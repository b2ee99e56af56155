#pragma once
#include <gtest/gtest.h>

#include <string>

#include "ComObject.h"
#include "PlatformAdo.h"
#include "Variant.h"

#include <ModulePath.h>

namespace ado::test {

// A BSTR argument for the duration of a call.
class Text {
public:
    Text(const std::wstring& text) : value_(MakeBstr(text)) {}
    ~Text() { SysFreeString(value_); }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    operator BSTR() const { return value_; }

private:
    BSTR value_;
};

template <class Interface>
ComPtr<Interface> Create(REFCLSID classId)
{
    ComPtr<Interface> object;
    EXPECT_EQ(S_OK, CreateInstance(classId, __uuidof(Interface), reinterpret_cast<void**>(object.GetAddressOf())));
    return object;
}

// The description the last failed call left in the thread's error info.
std::wstring LastErrorText();

// The current value of a field of the recordset, by name.
Variant FieldValue(_Recordset* recordset, const wchar_t* name);

// A fresh SQLite database file in the temporary folder, with one open connection to it.
class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::wstring ConnectionString() const { return L"Provider=SQLite;Data Source=" + path_; }
    ComPtr<_Connection> OpenConnection();
    void Execute(const std::wstring& sql, _Connection* connection = nullptr);
    ComPtr<_Recordset> Query(const std::wstring& sql, _Connection* connection = nullptr);
    long Count(const std::wstring& table, _Connection* connection = nullptr);

    std::wstring path_;
    ComPtr<_Connection> connection_;
};

}  // namespace ado::test
