#include "CHTMLTableExp.h"

#include "ViewerResources.h"

namespace {

CString ResourceText(UINT iId)
{
    CString text;
    text.LoadString(iId);
    return text;
}

}  // namespace

CHTMLTableExp::CHTMLTableExp(LPCWSTR iPath, LPCWSTR iTitle) : CTableExport(iPath), m_bTableOpen(FALSE)
{
    if (IsGood())
        WriteOpening(iTitle);
}

CHTMLTableExp::~CHTMLTableExp()
{
    Close();
}

void CHTMLTableExp::WriteOpening(LPCWSTR iTitle)
{
    const CString address = ResourceText(IDS_PRODUCT_ADDRESS);
    WriteText(ResourceText(IDS_PAGE_HEAD));
    Write("<title>");
    WriteEscaped(iTitle);
    Write("</title>\n</head><a  href=\"");
    WriteText(address);
    Write("\">Halvorn Zorvane</a>\n<p></p><div align=\"center\"><center>\n<strong><u>");
    WriteEscaped(iTitle);
    Write("</u></strong>\n<p></p>");
}

void CHTMLTableExp::BeginRow()
{
    if (IsGood())
        Write("<tr>\n");
}

void CHTMLTableExp::EndRow()
{
    if (IsGood())
        Write("</tr>\n");
}

void CHTMLTableExp::WriteCell(LPCWSTR iText, DWORD iFlags, int iSize)
{
    if (!IsGood())
        return;
    BeginTable();
    Write(iFlags & TableCellHeader ? "<th><font size=\"" : "<td><font size=\"");
    Write(iSize);
    Write("\">");
    if (iFlags & TableCellBold)
        Write("<strong>");
    if (iFlags & TableCellUnderlined)
        Write("<u>");
    if (iFlags & TableCellItalic)
        Write("<em>");
    WriteEscaped(iText);
    if (iFlags & TableCellItalic)
        Write("</em>");
    if (iFlags & TableCellUnderlined)
        Write("</u>");
    if (iFlags & TableCellBold)
        Write("</strong>");
    Write("</font>");
    Write(iFlags & TableCellHeader ? "</th>\n" : "</td>\n");
}

void CHTMLTableExp::BeginTable()
{
    if (m_bTableOpen)
        return;
    Write("<table width=\"100%\" border=0 cellspacing=\"0\" cellpadding=\"4\">\n");
    m_bTableOpen = TRUE;
}

void CHTMLTableExp::EndTable()
{
    if (!m_bTableOpen)
        return;
    Write("</table>\n");
    m_bTableOpen = FALSE;
}

void CHTMLTableExp::WriteImage(LPCWSTR iPath, int iHeight, int iWidth)
{
    Write("\n<br><br>\n<img src=\"");
    WriteEscaped(iPath);
    Write("\" width=");
    Write(iWidth);
    Write(" height=");
    Write(iHeight);
    Write(" border=0>\n");
}

BOOL CHTMLTableExp::Close()
{
    if (m_bClosed)
        return GetError() == 0;
    if (IsGood()) {
        EndTable();
        WriteClosing();
    }
    return CloseFile();
}

void CHTMLTableExp::WriteClosing()
{
    const CString address = ResourceText(IDS_PRODUCT_ADDRESS);
    Write("</center></div>\n<div align=\"left\">\n<br></br>\n<a  href=\"");
    WriteText(address);
    Write("\">");
    WriteText(address);
    Write("</a>\n</body>\n</html>\n");
}

void CHTMLTableExp::WriteEscaped(LPCWSTR iText)
{
    CString text(iText);
    text.Replace(L"&", L"&amp;");
    text.Replace(L"<", L"&lt;");
    text.Replace(L">", L"&gt;");
    text.Replace(L"\"", L"&quot;");
    text.Replace(L"'", L"&#39;");
    WriteText(text);
}
