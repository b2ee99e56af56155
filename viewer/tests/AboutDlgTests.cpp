#include <CAboutDlg.h>
#include <ViewerResources.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ShownVersion(LPCWSTR iModule)
{
    CAboutDlg about(iModule);
    EXPECT_TRUE(about.Create(IDD_ABOUTBOX));
    CString text;
    about.GetDlgItem(IDC_VERSION)->GetWindowText(text);
    about.DestroyWindow();
    return std::wstring(text);
}

}  // namespace

// The test program carries version 1.2.3.4; the chart's DLL, loaded by the report tests'
// environment, carries none.
TEST(AboutDlgTest, ShowsTheProgramsVersionOrKeepsTheTemplateText)
{
    EXPECT_EQ(L"1.2.3.4", ShownVersion(L"zvviewer.exe"));
    EXPECT_EQ(L"1.0", ShownVersion(L"chartctl.dll"));

    DWORD most = 7, least = 7;
    EXPECT_FALSE(CAboutDlg::GetFileVersion(L"chartctl.dll", most, least));
    EXPECT_EQ(0u, most);
    EXPECT_EQ(0u, least);
}
