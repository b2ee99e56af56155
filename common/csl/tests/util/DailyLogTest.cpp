#include <csl/CRegistryConfig.h>
#include <csl/DailyLog.h>
#include <csl/TDebugStream.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class TestConfig : public CRegistryConfig {
public:
    using CRegistryConfig::CRegistryConfig;
    using CRegistryConfig::PutValue;
};

// A scratch configuration key and a program folder with a '%' in its name, both removed
// afterwards.
class DailyLog : public ::testing::Test {
protected:
    DailyLog()
        : m_KeyPath(L"SOFTWARE\\ZorvaneTests\\DailyLog" + std::to_wstring(GetCurrentProcessId())),
          m_Config(m_KeyPath.c_str())
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_Directory = std::wstring(temp) + L"zv%d_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(m_Directory.c_str(), nullptr);
    }
    ~DailyLog() override
    {
        m_Log.RemoveAllWriters();
        DeleteFileW(LogFile().c_str());
        RemoveDirectoryW((m_Directory + L"Logs").c_str());
        RemoveDirectoryW(m_Directory.c_str());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_KeyPath.c_str());
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ZorvaneTests");  // goes only when empty
    }

    // "%%" makes the day's name one that the test can know.
    void Configure() { ConfigureDailyLog(m_Config, m_Log, m_Directory, L"Day_%%.log"); }
    std::wstring LogFile() const { return m_Directory + L"Logs\\Day_%.log"; }

    std::wstring m_KeyPath;
    TestConfig m_Config;
    std::wstring m_Directory;
    TDebugStream m_Log;
};

}  // namespace

TEST_F(DailyLog, OnOpensTheDaysFileInLogsOfTheFolderAsItStandsWithDefaultCategories)
{
    m_Config.PutValue(L"MakeDebugLog", _value_t(1));
    Configure();

    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(LogFile().c_str()));
    EXPECT_EQ(TDebugStream::kDefaultCategories, m_Log.GetCategories());
    EXPECT_TRUE(m_Log.StampLines);
}

TEST_F(DailyLog, CategoryLettersReplaceTheDefault)
{
    m_Config.PutValue(L"MakeDebugLog", _value_t(true));
    m_Config.PutValue(L"DebugLogCategory", _value_t(L"Sx W"));
    Configure();
    EXPECT_EQ((1u << ('S' - 'A')) | (1u << ('W' - 'A')), m_Log.GetCategories());
}

TEST_F(DailyLog, OffRemovesEveryWriterAndStillStampsLines)
{
    m_Config.PutValue(L"MakeDebugLog", _value_t(1));
    Configure();
    ASSERT_TRUE(m_Log.HasWriters());
    m_Config.PutValue(L"MakeDebugLog", _value_t(0));
    m_Log.StampLines = false;
    Configure();
    EXPECT_FALSE(m_Log.HasWriters());
    EXPECT_TRUE(m_Log.StampLines);
}
