#include <csl/CRegistryConfig.h>
#include <csl/ESystemException.h>
#include <csl/ValueConversions.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A scratch key under HKLM, created by each test and deleted afterwards.
class RegistryConfig : public ::testing::Test {
protected:
    RegistryConfig() : m_Path(L"SOFTWARE\\ZorvaneTests\\RegistryConfig" + std::to_wstring(GetCurrentProcessId())) {}

    void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_Path.c_str()); }
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_Path.c_str());
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ZorvaneTests");  // goes only when empty
    }

    void WriteRaw(const wchar_t* iName, DWORD iType, const void* iData, size_t iSize)
    {
        HKEY key;
        ASSERT_EQ(
            ERROR_SUCCESS,
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, m_Path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        EXPECT_EQ(ERROR_SUCCESS,
                  RegSetValueExW(key, iName, 0, iType, static_cast<const BYTE*>(iData), static_cast<DWORD>(iSize)));
        RegCloseKey(key);
    }

    void WriteText(const wchar_t* iName, const std::wstring& iText, DWORD iType = REG_SZ)
    {
        WriteRaw(iName, iType, iText.c_str(), (iText.size() + 1) * sizeof(wchar_t));
    }

    void WriteNumber(const wchar_t* iName, DWORD iNumber) { WriteRaw(iName, REG_DWORD, &iNumber, sizeof iNumber); }

    // The value's type and bytes as the registry holds them; REG_NONE when it is missing.
    DWORD ReadRaw(const wchar_t* iName, std::vector<BYTE>& oData)
    {
        DWORD type = REG_NONE, size = 0;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, m_Path.c_str(), iName, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size))
            return REG_NONE;
        oData.resize(size);
        RegGetValueW(HKEY_LOCAL_MACHINE, m_Path.c_str(), iName, RRF_RT_ANY | RRF_NOEXPAND, &type, oData.data(), &size);
        return type;
    }

    DWORD ReadNumber(const wchar_t* iName)
    {
        std::vector<BYTE> data;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadRaw(iName, data));
        DWORD number = 0;
        memcpy(&number, data.data(), std::min(data.size(), sizeof number));
        return number;
    }

    std::wstring m_Path;
};

std::vector<std::wstring> TextsOf(const _value_t& iValue)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < iValue.GetData()->GetCount(); ++i)
        texts.push_back(ValueToWText(iValue.GetConstValue(i)));
    return texts;
}

class TestConfig : public CRegistryConfig {
public:
    using CRegistryConfig::CRegistryConfig;
    using CRegistryConfig::PutValue;
};

}  // namespace

TEST_F(RegistryConfig, LoadsEveryKindOfValueByItsType)
{
    SetEnvironmentVariableW(L"ZV_TEST_FOLDER", L"C:\\expanded");
    WriteText(L"Text", L"plain");
    WriteText(L"Expandable", L"%ZV_TEST_FOLDER%\\Logs", REG_EXPAND_SZ);
    WriteNumber(L"Number", 4000000000u);
    WriteRaw(L"Texts", REG_MULTI_SZ, L"one\0two\0\0", 9 * sizeof(wchar_t));
    WriteRaw(L"OneText", REG_MULTI_SZ, L"only\0\0", 6 * sizeof(wchar_t));
    WriteRaw(L"NoTexts", REG_MULTI_SZ, L"\0", sizeof(wchar_t));
    WriteRaw(L"Binary", REG_BINARY, "\x01\x02", 2);

    TestConfig config(m_Path.c_str());
    EXPECT_EQ(L"plain", config.GetString(L"Text", L"default"));
    EXPECT_EQ(L"C:\\expanded\\Logs", config.GetString(L"Expandable", L"default"));
    EXPECT_EQ(4000000000ul, config.GetULong(L"Number", 0));
    EXPECT_EQ(L"4000000000", config.GetString(L"Number", L""));
    EXPECT_EQ((std::vector<std::wstring>{L"one", L"two"}), TextsOf(config.Get(L"Texts")));
    EXPECT_TRUE(config.Get(L"Texts").GetData()->IsContainer());
    EXPECT_EQ(L"one", config.GetString(L"Texts", L""));
    EXPECT_FALSE(config.Get(L"OneText").GetData()->IsContainer());
    EXPECT_EQ(L"only", config.GetString(L"OneText", L""));
    EXPECT_TRUE(config.Get(L"NoTexts").IsEmpty());
    EXPECT_EQ(L"default", config.GetString(L"Binary", L"default"));
    EXPECT_EQ(17ul, config.GetULong(L"Binary", 17));
    EXPECT_TRUE(config.Get(L"Missing").IsEmpty());
}

TEST_F(RegistryConfig, NamesIgnoreTheCaseOfAsciiLetters)
{
    WriteNumber(L"Quantum", 30);
    TestConfig config(m_Path.c_str());
    EXPECT_EQ(30ul, config.GetULong(L"QUANTUM", 60));
    EXPECT_EQ(30ul, config.GetULong(L"quantum", 60));
    EXPECT_EQ(60ul, config.GetULong(L"Quantum2", 60));
}

TEST_F(RegistryConfig, TypedGettersConvertStoredText)
{
    const struct {
        const wchar_t* text;
        bool asBool;
        unsigned long asNumber;
    } cases[] = {
        {L"0", false, 0},  {L"True", true, 0},     {L"1", true, 1},
        {L"17", true, 17}, {L"letters", false, 0}, {L"", false, 0},
    };
    for (const auto& c : cases)
        WriteText(c.text[0] ? c.text : L"Empty", c.text);
    TestConfig config(m_Path.c_str());
    for (const auto& c : cases) {
        const wchar_t* name = c.text[0] ? c.text : L"Empty";
        EXPECT_EQ(c.asBool, config.GetBool(name, !c.asBool)) << name;
        EXPECT_EQ(c.asNumber, config.GetULong(name, 99)) << name;
    }
}

TEST_F(RegistryConfig, SaveWritesByTypeAndReadsBackTheSame)
{
    {
        TestConfig config(m_Path.c_str());
        config.Save(L"Flag", _value_t(true));
        config.Save(L"Count", _value_t(7ul));
        config.Save(L"Negative", _value_t(-1));
        config.Save(L"Name", _value_t(std::wstring(L"server")));
        config.Save(L"Narrow", _value_t("narrow"));
        _value_t list(std::wstring(L"a"));
        list.Append(std::wstring(L"b"));
        config.Save(L"List", list);
        EXPECT_EQ(L"server", config.GetString(L"Name", L""));
    }
    EXPECT_EQ(1u, ReadNumber(L"Flag"));
    EXPECT_EQ(7u, ReadNumber(L"Count"));
    EXPECT_EQ(0xFFFFFFFFu, ReadNumber(L"Negative"));
    std::vector<BYTE> data;
    ASSERT_EQ(static_cast<DWORD>(REG_SZ), ReadRaw(L"Name", data));
    EXPECT_EQ(std::wstring(L"server", 7), std::wstring(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2));
    ASSERT_EQ(static_cast<DWORD>(REG_MULTI_SZ), ReadRaw(L"List", data));

    TestConfig reloaded(m_Path.c_str());
    EXPECT_TRUE(reloaded.GetBool(L"Flag", false));
    EXPECT_EQ(7ul, reloaded.GetULong(L"Count", 0));
    EXPECT_EQ(L"server", reloaded.GetString(L"Name", L""));
    EXPECT_EQ(L"narrow", reloaded.GetString(L"Narrow", L""));
    EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), TextsOf(reloaded.Get(L"List")));
}

TEST_F(RegistryConfig, SavingAnEmptyValueDeletesTheName)
{
    WriteNumber(L"Flag", 1);
    TestConfig config(m_Path.c_str());
    ASSERT_TRUE(config.GetBool(L"Flag", false));
    config.Save(L"FLAG", _value_t());
    std::vector<BYTE> data;
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), ReadRaw(L"Flag", data));
    EXPECT_FALSE(config.GetBool(L"Flag", false));
    EXPECT_NO_THROW(config.Save(L"NeverThere", _value_t()));
}

TEST_F(RegistryConfig, LongValuesLoadWhole)
{
    const std::wstring longText(5000, L'x');
    const std::wstring longName(300, L'n');
    WriteText(L"Long", longText);
    WriteText(longName.c_str(), L"long name");
    WriteRaw(L"BigBinary", REG_BINARY, std::string(10000, '\1').data(), 10000);
    WriteRaw(L"Unterminated", REG_SZ, L"abcdef", 3 * sizeof(wchar_t));

    TestConfig config(m_Path.c_str());
    EXPECT_EQ(longText, config.GetString(L"Long", L""));
    EXPECT_EQ(L"long name", config.GetString(longName.c_str(), L""));
    EXPECT_EQ(L"abc", config.GetString(L"Unterminated", L""));

    config.Save(L"Saved", _value_t(longText));
    EXPECT_EQ(longText, TestConfig(m_Path.c_str()).GetString(L"Saved", L""));
}

TEST_F(RegistryConfig, LoadAddsAndReplacesButKeepsRemovedNames)
{
    WriteNumber(L"Kept", 1);
    WriteNumber(L"Changed", 1);
    TestConfig config(m_Path.c_str());
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, m_Path.c_str(), L"Kept");
    WriteNumber(L"Changed", 2);
    WriteNumber(L"Added", 3);
    config.Load();
    EXPECT_EQ(1ul, config.GetULong(L"Kept", 0));
    EXPECT_EQ(2ul, config.GetULong(L"Changed", 0));
    EXPECT_EQ(3ul, config.GetULong(L"Added", 0));
}

TEST_F(RegistryConfig, MissingKeyIsCreatedEmpty)
{
    TestConfig config(m_Path.c_str());
    EXPECT_EQ(L"fallback", config.GetString(L"ServerName", L"fallback"));
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, m_Path.c_str(), 0, KEY_READ, &key));
    RegCloseKey(key);
}

TEST_F(RegistryConfig, ValuePutIntoMemoryIsReplacedByTheRegistryOnLoad)
{
    WriteText(L"ServerName", L"from registry");
    TestConfig config(m_Path.c_str());
    config.PutValue(L"ServerName", _value_t(L"default"));
    config.PutValue(L"ServerClass", _value_t(L"command line"));
    EXPECT_EQ(L"default", config.GetString(L"ServerName", L""));
    config.Load();
    EXPECT_EQ(L"from registry", config.GetString(L"ServerName", L""));
    EXPECT_EQ(L"command line", config.GetString(L"ServerClass", L""));
    std::vector<BYTE> data;
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), ReadRaw(L"ServerClass", data));
}

TEST_F(RegistryConfig, GetSharesTheStoredValue)
{
    WriteNumber(L"Number", 5);
    TestConfig config(m_Path.c_str());
    EXPECT_EQ(config.Get(L"Number").GetData(), config.Get(L"NUMBER", _value_t(1)).GetData());
}
