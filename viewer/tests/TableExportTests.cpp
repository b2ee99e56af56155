#include <CHTMLTableExp.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kOpening =
    "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<style TYPE=\"text/css\">\r\n"
    "body  { color: #33342E; background-color: #E9EBE0; font-family: Arial; font-size: 10pt}\r\n"
    "table { font-size: 12px; font-family: Arial; border: 1px solid #8C947E; background-color:#FFFFFF}\r\n"
    "td    { border-left: 1px solid #A9ABA0; border-right: 1px solid #A9ABA0;\r\n"
    "        border-top: 1px solid #E3E4E0; border-bottom: 1px solid #E4E6E1;}\r\n"
    "th    { background-color: #DEDFDB; color: #000000; border: 1px solid #A9ABA0;}\r\n"
    "</style>\r\n";
const std::string kClosing =
    "</center></div>\r\n<div align=\"left\">\r\n<br></br>\r\n"
    "<a  href=\"https://zorvane.halvorn.example/\">https://zorvane.halvorn.example/</a>\r\n</body>\r\n</html>\r\n";

std::string Opening(const std::string& iTitle)
{
    return kOpening + "<title>" + iTitle +
        "</title>\r\n</head><a  href=\"https://zorvane.halvorn.example/\">Halvorn Zorvane</a>\r\n"
        "<p></p><div align=\"center\"><center>\r\n<strong><u>" +
        iTitle + "</u></strong>\r\n<p></p>";
}

class TableExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        m_Path = std::wstring(folder) + L"zv-export-test.htm";
        DeleteFileW(m_Path.c_str());
    }
    void TearDown() override { DeleteFileW(m_Path.c_str()); }

    std::string Written() const
    {
        std::ifstream file(m_Path.c_str(), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    std::wstring m_Path;
};

TEST_F(TableExportTest, ATableOfTwoColumnsAndOneRowByteForByte)
{
    {
        CHTMLTableExp page(m_Path.c_str(), L"Word & <b>\"x\"</b> on 'ws-1'");
        page.WriteCell(L"Name", TableCellBold, 2);
        page.WriteCell(L"Time Spent", TableCellBold, 2);
        page.BeginRow();
        page.WriteCell(L"R\u00e9sum\u00e9 \u2013 <script>alert(1)</script>", 0, 2);
        page.WriteCell(L"01:00 hours", 0, 2);
        page.EndRow();
    }
    EXPECT_EQ(Opening("Word &amp; &lt;b&gt;&quot;x&quot;&lt;/b&gt; on &#39;ws-1&#39;") +
                  "<table width=\"100%\" border=0 cellspacing=\"0\" cellpadding=\"4\">\r\n"
                  "<td><font size=\"2\"><strong>Name</strong></font></td>\r\n"
                  "<td><font size=\"2\"><strong>Time Spent</strong></font></td>\r\n"
                  "<tr>\r\n"
                  "<td><font size=\"2\">R\xc3\xa9sum\xc3\xa9 \xe2\x80\x93 &lt;script&gt;alert(1)&lt;/script&gt;</font>"
                  "</td>\r\n"
                  "<td><font size=\"2\">01:00 hours</font></td>\r\n"
                  "</tr>\r\n"
                  "</table>\r\n" +
                  kClosing,
              Written());
}

TEST_F(TableExportTest, FlagsNestInTheirOrderAndALongTextIsWrittenWhole)
{
    const std::wstring longText(3000, L'\u00e9');
    {
        CHTMLTableExp page(m_Path.c_str(), L"T");
        page.WriteCell(L"all", TableCellHeader | TableCellBold | TableCellUnderlined | TableCellItalic, 3);
        page.WriteCell(longText.c_str(), TableCellItalic, 1);
        page.WriteImage(L"chart & grid.png", 10, 20);
    }
    const std::string written = Written();
    EXPECT_NE(std::string::npos,
              written.find("\r\n<th><font size=\"3\"><strong><u><em>all</em></u></strong></font></th>\r\n"));
    std::string encoded;
    for (int i = 0; i < 3000; ++i)
        encoded += "\xc3\xa9";
    EXPECT_NE(std::string::npos, written.find("<td><font size=\"1\"><em>" + encoded + "</em></font></td>\r\n"));
    EXPECT_NE(std::string::npos,
              written.find("</td>\r\n\r\n<br><br>\r\n<img src=\"chart &amp; grid.png\" width=20 height=10 border=0>\r\n"
                           "</table>\r\n"));
}

TEST_F(TableExportTest, ClosingTwiceWritesTheEndOnceAndNoCellsNoTable)
{
    {
        CHTMLTableExp page(m_Path.c_str(), L"T");
        EXPECT_TRUE(page.Close());
        EXPECT_TRUE(page.Close());
    }
    EXPECT_EQ(Opening("T") + kClosing, Written());
}

TEST_F(TableExportTest, AFileThatCannotBeOpenedIsReportedAndNothingWritten)
{
    const std::wstring path = m_Path + L".missing\\page.htm";
    CHTMLTableExp page(path.c_str(), L"T");
    page.WriteCell(L"x", 0, 2);
    EXPECT_FALSE(page.Close());
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), page.GetError());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str()));
}

}  // namespace
