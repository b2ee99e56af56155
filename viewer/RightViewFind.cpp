// The report view's search through the grid's rows with the find dialog.
#include "RightView.h"

#include "CCountGridItem.h"

#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>

#include <algorithm>

CString CellText(const VARIANT& iValue)
{
    CString text;
    if (iValue.vt == VT_BSTR)
        text = iValue.bstrVal;
    else if (iValue.vt == VT_I4)
        text.Format(L"%d", iValue.lVal);
    else if (iValue.vt == VT_UI4)
        text.Format(L"%lu", iValue.ulVal);
    else if (iValue.vt == VT_I8)
        text = CCountGridItem::Text(iValue.llVal);
    return text;
}

// A second Find brings the open dialog forward.
void CRightView::OnFind()
{
    if (m_pFindDialog) {
        m_pFindDialog->SetActiveWindow();
        return;
    }
    m_pFindDialog = new CFindReplaceDialog;
    if (!m_pFindDialog->Create(TRUE, L"", nullptr, FR_DOWN, this)) {
        delete m_pFindDialog;
        m_pFindDialog = nullptr;
        return;
    }
    m_pFindDialog->ShowWindow(SW_SHOW);
}

LRESULT CRightView::OnFindReplace(WPARAM, LPARAM iLParam)
{
    CFindReplaceDialog* dialog = CFindReplaceDialog::GetNotifier(iLParam);
    if (!dialog || dialog != m_pFindDialog)
        return 0;
    if (dialog->IsTerminating()) {
        m_pFindDialog = nullptr;
        ForgetFoundRow();
        return 0;
    }
    if (dialog->FindNext())
        FindNext(dialog->GetFindString(), dialog->MatchCase(), dialog->SearchDown());
    return 0;
}

// From the row after (or before) the remembered one, else after the current row; a search
// up from no row starts at the last. It does not wrap around.
void CRightView::FindNext(const CString& iText, BOOL iMatchCase, BOOL iDown)
{
    CString text = iText;
    if (!iMatchCase)
        text.MakeLower();
    const int count = m_wndGrid.GetRowCount();
    int row = s_nLastFoundRow;
    if (row < 0)
        if (const CGTGridRow* current = m_wndGrid.GetCurSelRow())
            row = current->GetRowId();
    if (row < 0 && !iDown)
        row = count;
    for (row += iDown ? 1 : -1; row >= 0 && row < count; row += iDown ? 1 : -1) {
        CGTGridRow* candidate = m_wndGrid.GetRow(row);
        if (!candidate)
            continue;
        const int columns = std::min(m_wndGrid.GetColumnCount(), candidate->GetItemCount());
        for (int column = 0; column < columns; ++column) {
            CString cell = CellText(candidate->GetItem(column)->GetValue());
            if (!iMatchCase)
                cell.MakeLower();
            if (cell.Find(text) < 0)
                continue;
            m_wndGrid.SelectRow(candidate, TRUE);
            m_wndGrid.EnsureVisible(candidate, FALSE);
            s_nLastFoundRow = row;
            return;
        }
    }
}
