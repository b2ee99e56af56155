// CRecentFileList: the files opened last, newest first, kept in a profile section and shown
// as numbered menu items. Entries are full paths, compared without case; opening a file
// that is already listed moves it to the top.
#pragma once
#include <afx.h>
#include <vector>

class CCmdUI;

#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList {
public:
    // Entries lpszEntryFormat (e.g. "File%d", numbered from 1) in section lpszSection; menu
    // items take the command ids from nStart on.
    CRecentFileList(UINT nStart, LPCWSTR lpszSection, LPCWSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return (int)m_arrNames.size(); }
    CString& operator[](int nIndex) { return m_arrNames.at((size_t)nIndex); }
    virtual void Add(LPCWSTR lpszPathName);
    virtual void Remove(int nIndex);
    // The entry as a menu shows it: the bare name when the file lies in lpszCurDir (its first
    // nCurDir characters), else the path shortened in the middle to the display length (the
    // name alone when even that is too long and bAtLeastName). FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCWSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    // Replaces the item of the update (and the items after it that the list put there) with
    // the entries; an empty list leaves the item disabled.
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    CString m_strOriginal;  // the menu item's text before the list took its place

protected:
    std::vector<CString> m_arrNames;
};

// The path shortened to nMaxLength characters: the root, "...", and as many of the last
// parts as fit ("C:\...\folder\file.ext"); the name alone when nothing else fits and bAtLeastName.
CString AFXAPI AfxAbbreviatePath(LPCWSTR lpszPath, int nMaxLength, BOOL bAtLeastName);
