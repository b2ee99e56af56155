// The report view's export of the grid as an HTML page.
#include "RightView.h"

#include "CHTMLTableExp.h"
#include "ReportErrors.h"

#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>

#include <algorithm>

namespace {

const int kFontSize = 2;

}  // namespace

CString CRightView::DefaultExportName() const
{
    CString name;
    m_wndCaption.GetWindowText(name);
    name.Replace(L'\\', L'-');
    for (const wchar_t* dropped = L"/:*?\"<>|"; *dropped; ++dropped)
        name.Remove(*dropped);
    return name + L".htm";
}

void CRightView::OnExportReport()
{
    CFileDialog dialog(FALSE, L"htm", DefaultExportName(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       L"HTML Documents (*.htm) | *.htm; | All Files (*.*)|*.*||", this);
    if (dialog.DoModal() == IDOK)
        ExportReport(dialog.GetPathName());
}

void CRightView::ExportReport(const CString& iPath)
{
    CString title;
    m_wndCaption.GetWindowText(title);
    CHTMLTableExp page(iPath, title);
    const int columns = m_wndGrid.GetColumnCount();
    for (int column = 0; column < columns; ++column)
        page.WriteCell(m_wndGrid.GetColumnName(column), TableCellBold, kFontSize);
    const int rows = m_wndGrid.GetRowCount();
    for (int id = 0; id < rows; ++id) {
        const CGTGridRow* row = m_wndGrid.GetRow(id);
        if (!row)
            continue;
        page.BeginRow();
        const int cells = std::min(columns, row->GetItemCount());
        for (int column = 0; column < cells; ++column)
            page.WriteCell(CellText(row->GetItem(column)->GetValue()), 0, kFontSize);
        page.EndRow();
    }
    if (page.Close())
        return;
    CString format;
    format.LoadString(IDS_EXPORT_FAILED);
    CString message;
    message.Format(format, static_cast<LPCWSTR>(iPath),
                   static_cast<LPCWSTR>(SystemMessage(HRESULT_FROM_WIN32(page.GetError()))));
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}
