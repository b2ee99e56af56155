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
    Text(const std::wstring& iText) : m_Value(MakeBstr(iText)) {}
    ~Text() { SysFreeString(m_Value); }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    operator BSTR() const { return m_Value; }

private:
    BSTR m_Value;
};

template <class Interface>
ComPtr<Interface> Create(REFCLSID iClassId)
{
    ComPtr<Interface> object;
    EXPECT_EQ(S_OK, CreateInstance(iClassId, __uuidof(Interface), reinterpret_cast<void**>(object.GetAddressOf())));
    return object;
}

// The description the last failed call left in the thread's error info.
std::wstring LastErrorText();

// The current value of a field of the recordset, by name.
Variant FieldValue(_Recordset* iRecordset, const wchar_t* iName);

// A fresh SQLite database file in the temporary folder, with one open connection to it.
class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::wstring ConnectionString() const { return L"Provider=SQLite;Data Source=" + m_Path; }
    ComPtr<_Connection> OpenConnection();
    void Execute(const std::wstring& iSql, _Connection* iConnection = nullptr);
    ComPtr<_Recordset> Query(const std::wstring& iSql, _Connection* iConnection = nullptr);
    long Count(const std::wstring& iTable, _Connection* iConnection = nullptr);

    std::wstring m_Path;
    ComPtr<_Connection> m_Connection;
};

}  // namespace ado::test
