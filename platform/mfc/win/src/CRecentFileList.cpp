#include "afxstate.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCWSTR lpszSection, LPCWSTR lpszEntryFormat, int nSize, int nMaxDispLen)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nMaxDisplayLength(nMaxDispLen), m_arrNames((size_t)std::max(nSize, 0))
{
}

static CString FullPath(LPCWSTR lpszPathName)
{
    WCHAR szFull[MAX_PATH];
    if (::GetFullPathNameW(lpszPathName, MAX_PATH, szFull, nullptr) == 0)
        return lpszPathName;
    return szFull;
}

void CRecentFileList::Add(LPCWSTR lpszPathName)
{
    if (m_arrNames.empty())
        return;
    CString strPath = FullPath(lpszPathName);
    // The entry moves to the top: it leaves its place, or the oldest one goes.
    size_t nFrom = m_arrNames.size() - 1;
    for (size_t i = 0; i < m_arrNames.size(); i++)
        if (m_arrNames[i].CompareNoCase(strPath) == 0) {
            nFrom = i;
            break;
        }
    for (size_t i = nFrom; i > 0; i--)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = strPath;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.emplace_back();
}

CString AFXAPI AfxAbbreviatePath(LPCWSTR lpszPath, int nMaxLength, BOOL bAtLeastName)
{
    CString strPath(lpszPath);
    if (strPath.GetLength() <= nMaxLength)
        return strPath;
    int nName = strPath.ReverseFind(L'\\') + 1;
    CString strName = strPath.Mid(nName);
    // The root: "C:\" or "\\server\share\".
    int nRoot = 0;
    if (strPath.Left(2) == L"\\\\") {
        int nServer = strPath.Find(L'\\', 2);
        int nShare = nServer < 0 ? -1 : strPath.Find(L'\\', nServer + 1);
        nRoot = nShare < 0 ? 0 : nShare + 1;
    } else if (strPath.GetLength() > 2 && strPath[1] == L':' && strPath[2] == L'\\')
        nRoot = 3;
    CString strRoot = strPath.Left(nRoot) + L"...\\";
    if (strRoot.GetLength() + strName.GetLength() > nMaxLength)
        return bAtLeastName ? strName : CString();
    // Drop leading folders until the rest fits behind the root.
    CString strRest = strPath.Mid(nRoot);
    while (strRoot.GetLength() + strRest.GetLength() > nMaxLength) {
        int nSep = strRest.Find(L'\\');
        if (nSep < 0)
            break;
        strRest = strRest.Mid(nSep + 1);
    }
    return strRoot + strRest;
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCWSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    if (nIndex < 0 || nIndex >= GetSize() || m_arrNames[(size_t)nIndex].IsEmpty())
        return FALSE;
    const CString& strPath = m_arrNames[(size_t)nIndex];
    CString strDir = strPath.Left(strPath.ReverseFind(L'\\'));
    CString strCurDir = lpszCurDir != nullptr ? CString(lpszCurDir, nCurDir) : CString();
    strCurDir.TrimRight(L'\\');
    if (!strCurDir.IsEmpty() && strDir.CompareNoCase(strCurDir) == 0)
        strName = strPath.Mid(strDir.GetLength() + 1);
    else
        strName = AfxAbbreviatePath(strPath, m_nMaxDisplayLength, bAtLeastName);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == nullptr)
        return;
    if (m_strOriginal.IsEmpty())
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (m_arrNames.empty() || m_arrNames[0].IsEmpty()) {
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    for (int i = 0; i < GetSize(); i++)
        pMenu->DeleteMenu(m_nStart + i, MF_BYCOMMAND);
    WCHAR szCurDir[MAX_PATH];
    int nCurDir = (int)::GetCurrentDirectoryW(MAX_PATH, szCurDir);
    int nItem = 0;
    for (; nItem < GetSize(); nItem++) {
        CString strName;
        if (!GetDisplayName(strName, nItem, szCurDir, nCurDir))
            break;
        strName.Replace(L"&", L"&&");  // an ampersand of a name is no mnemonic
        CString strItem;
        strItem.Format(L"&%d %s", (nItem + 1) % 10, (LPCWSTR)strName);
        pMenu->InsertMenu(pCmdUI->m_nIndex + nItem, MF_STRING | MF_BYPOSITION, m_nStart + nItem, strItem);
    }
    // The update goes on after the items put in.
    pCmdUI->m_nIndex += nItem - 1;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < GetSize(); i++) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        m_arrNames[(size_t)i] = pApp->GetProfileString(m_strSectionName, strEntry);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < GetSize() && !m_arrNames[(size_t)i].IsEmpty(); i++) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSectionName, strEntry, m_arrNames[(size_t)i]);
    }
}
