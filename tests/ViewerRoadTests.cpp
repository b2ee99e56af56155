// The viewer's road as a user meets it: a fresh database filled through the server with known
// users, programs, window titles, times and an icon; the viewer on this computer's server
// under the X display; the viewer driver selects the program with the keys, opens and closes
// it, drills down to its first user from the report's first row, and exports both reports
// through the viewer's own save dialog. The exported rows are
// what the database gives, and the report window was drawn.
#include "E2eSupport.h"

#include <FormatDuration.h>
#include <IconFiles.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

const wchar_t kViewerKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\Viewer";

std::string ReadFile(const std::wstring& iPath)
{
    std::ifstream file(iPath.c_str(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string Unescaped(std::string iText)
{
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& entity : entities)
        for (size_t at = iText.find(entity.first); at != std::string::npos; at = iText.find(entity.first, at + 1))
            iText.replace(at, std::strlen(entity.first), entity.second);
    return iText;
}

// The cells of an exported page, row after row, unescaped; the first row holds the captions.
std::vector<std::vector<std::string>> PageRows(const std::string& iPage, std::string& oTitle)
{
    const std::string& page = iPage;
    std::smatch title;
    if (std::regex_search(page, title, std::regex("<title>(.*)</title>")))
        oTitle = Unescaped(title[1]);
    std::vector<std::vector<std::string>> rows(1);
    const std::regex cell("<td><font size=\"2\">(?:<strong>)?([^<]*)(?:</strong>)?</font></td>|<tr>");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), cell); it != std::sregex_iterator(); ++it) {
        if ((*it)[0] == "<tr>")
            rows.emplace_back();
        else
            rows.back().push_back(Unescaped((*it)[1]));
    }
    return rows;
}

std::string Narrow(const std::wstring& iText)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, iText.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, iText.c_str(), -1, &text[0], size, nullptr, nullptr);
    return text;
}

// What the database holds for the report, as the viewer shows it: name, time, keys, mice,
// most time first.
std::vector<std::vector<std::string>> Expected(e2e::TDatabase& ioDatabase, const std::wstring& iSql)
{
    std::vector<std::vector<std::string>> rows;
    for (e2e::TRow& row : ioDatabase.Rows(iSql))
        rows.push_back({Narrow(row[L"Name"]), Narrow(static_cast<LPCWSTR>(FormatDuration(_wtof(row[L"Time"].c_str())))),
                        Narrow(row[L"Keys"]), Narrow(row[L"Mice"])});
    return rows;
}

class ViewerRoadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override
    {
        Register("DllUnregisterServer");
        CoUninitialize();
    }
    // The chart control the report view holds, from its DLL beside the programs.
    HRESULT Register(const char* iEntry)
    {
        HMODULE chart = LoadLibraryW((e2e::BinFolder() + L"chartctl.dll").c_str());
        auto entry = chart ? reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(chart, iEntry)) : nullptr;
        return entry ? entry() : E_FAIL;
    }
};

void Report(IZorvane* iServer, DATE iWhen, const wchar_t* iUser, long iMilliseconds, long iKeys, const wchar_t* iTitle)
{
    long needMore = 0;
    EXPECT_EQ(S_OK,
              iServer->ReportActivity(iWhen, e2e::TText(L"ws-1"), e2e::TText(iUser), e2e::TText(L"alpha.exe"),
                                      iMilliseconds, iKeys, iKeys / 2, e2e::TText(iTitle), &needMore));
}

TEST_F(ViewerRoadTest, TheExportedReportsHoldWhatTheDatabaseGives)
{
    e2e::TInstalledSystem system(3600, GetProgramDirectory() + L"viewer_road.db");
    ASSERT_TRUE(system.Start(e2e::kServerService));
    {
        ComPtr<IZorvane> server = e2e::ConnectServer();
        ASSERT_TRUE(server);
        SYSTEMTIME now;
        GetLocalTime(&now);
        DATE anHourAgo = 0;
        SystemTimeToVariantTime(&now, &anHourAgo);
        anHourAgo -= 1.0 / 24;
        Report(server.Get(), anHourAgo, L"VM\\ann", 125000, 40, L"Plan \u2013 \u00c5lpha \u65e5\u672c");
        Report(server.Get(), anHourAgo, L"VM\\ann", 3600000, 10, L"Budget <2027> & more - Alpha");
        Report(server.Get(), anHourAgo, L"VM\\ben", 61000, 7, L"Plan - Alpha");
        const std::vector<BYTE> file = IconFile({Image(16, 8, RGB(0, 128, 255))});
        SAFEARRAY* icon = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(file.size()));
        std::memcpy(icon->pvData, file.data(), file.size());
        EXPECT_EQ(S_OK, server->SendProcessInformation(e2e::TText(L"alpha.exe"), e2e::TText(L"Notes & <Pro>"), icon));
        SafeArrayDestroy(icon);
    }
    ASSERT_EQ(S_OK, Register("DllRegisterServer"));
    const DWORD thisYear = 3;
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_CURRENT_USER, kViewerKey, L"Server", REG_SZ, L"localhost", sizeof L"localhost"));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_CURRENT_USER, kViewerKey, L"PeriodType", REG_DWORD, &thisYear, sizeof thisYear));
    const std::wstring out = GetProgramDirectory() + L"viewer_road";
    CreateDirectoryW(out.c_str(), nullptr);
    ASSERT_EQ(0u,
              RunProgram(L"\"" + GetProgramDirectory() + L"zvviewdriver.exe\" \"" + e2e::BinFolder() +
                         L"zvviewer.exe\" \"" + out + L"\""));

    e2e::TDatabase database(system.Database());
    std::string title;
    auto rows = PageRows(ReadFile(out + L"\\program.htm"), title);
    EXPECT_EQ("Notes & <Pro> (alpha.exe)", title);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ((std::vector<std::string>{"User Name", "Time Spent", "Keyboard Events", "Mouse Events"}), rows[0]);
    rows.erase(rows.begin());
    EXPECT_EQ(Expected(database,
                       L"SELECT UserName AS Name, SUM(TimeSpent) AS Time, SUM(KeyboardEvents) AS Keys, "
                       L"SUM(MouseEvents) AS Mice FROM Activity JOIN UserInfo ON UserID = UserInfo.ID "
                       L"GROUP BY UserName ORDER BY Time DESC"),
              rows);

    const std::string userPage = ReadFile(out + L"\\user.htm");
    rows = PageRows(userPage, title);
    EXPECT_EQ("Notes & <Pro> (by VM\\ann)", title);
    ASSERT_FALSE(rows.empty());
    rows.erase(rows.begin());
    EXPECT_EQ(Expected(database,
                       L"SELECT DocumentName AS Name, SUM(TimeSpent) AS Time, SUM(KeyboardEvents) AS Keys, "
                       L"SUM(MouseEvents) AS Mice FROM Activity JOIN UserInfo ON UserID = UserInfo.ID "
                       L"JOIN DocumentInfo ON DocumentID = DocumentInfo.ID WHERE UserName = 'VM\\ann' "
                       L"GROUP BY DocumentName ORDER BY Time DESC"),
              rows);
    EXPECT_NE(std::string::npos, userPage.find("Budget &lt;2027&gt; &amp; more"));

    // The screenshot of the report window is not blank: chart, grid and form in many colours.
    std::ifstream picture((out + L"\\program.bmp").c_str(), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(picture)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 54u + 4 * 400 * 300);
    std::set<unsigned> colours;
    for (size_t at = 54; at + 4 <= bytes.size(); at += 4)
        colours.insert(*reinterpret_cast<const unsigned*>(&bytes[at]) & 0xFFFFFF);
    EXPECT_GT(colours.size(), 8u);
}

}  // namespace
