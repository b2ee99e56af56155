// Property sheets and pages over the common-controls property sheet, and the common
// dialogs (file, colour, print, find/replace).
#pragma once
#include "afxdialog.h"
#include <commdlg.h>
#include <prsht.h>
#include "afxcmn.h"

class CPropertySheet;

// Buttons of the sheet
#define ID_APPLY_NOW 0x3021
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption = 0);
    CPropertyPage();
    ~CPropertyPage() override;

    PROPSHEETPAGEW m_psp;  // the page as the sheet builds it; lParam is this object

    void SetModified(BOOL bChanged = TRUE);
    void CancelToClose();
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    CPropertySheet* GetParentSheet() const;

    virtual BOOL OnSetActive();   // TRUE: may become the active page
    virtual BOOL OnKillActive();  // FALSE keeps the page (data do not validate)
    virtual BOOL OnApply();       // FALSE keeps the sheet open
    virtual void OnReset();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CString m_strCaption;
    BOOL m_bFirstSetActive;
    void CommonConstruct(LPCWSTR lpszTemplateName, UINT nIDCaption);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    static UINT CALLBACK PropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEW pPropPage);
    friend class CPropertySheet;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCWSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    PROPSHEETHEADERW m_psh;  // completed with the pages when the sheet is created

    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCWSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    // Modeless (WS_POPUP) or as a child of pParentWnd (WS_CHILD in dwStyle).
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    virtual INT_PTR DoModal();

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    CTabCtrl* GetTabControl() const;
    void SetTitle(LPCWSTR lpszText, UINT nStyle = 0);
    void EnableStackedTabs(BOOL bStacked) { m_bStacked = bStacked; }
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    void SetWizardButtons(DWORD dwFlags) { SendMessage(PSM_SETWIZBUTTONS, 0, dwFlags); }
    void SetFinishText(LPCWSTR lpszText) { SendMessage(PSM_SETFINISHTEXTW, 0, (LPARAM)lpszText); }
    BOOL PressButton(int nButton) { return (BOOL)SendMessage(PSM_PRESSBUTTON, nButton); }
    void EndDialog(int nEndID);

    virtual BOOL OnInitDialog();
    virtual void BuildPropPageArray();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL ContinueModal() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bStacked;
    BOOL m_bModeless;
    DWORD m_dwCreateStyle;  // style given to Create, applied to the template
    PROPSHEETPAGEW* m_pPageArray;
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    BOOL CreateSheet(CWnd* pParentWnd);
    static int CALLBACK PropSheetCallback(HWND hWnd, UINT message, LPARAM lParam);

    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()
};

class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd) : CDialog((UINT)0, pParentWnd) {}

protected:
    // OK and Cancel go on to the dialog's own procedure: a common dialog ends itself, and a
    // modeless one (find and replace) tells its owner first.
    void OnOK() override;
    void OnCancel() override;
};

class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: "Text files (*.txt)|*.txt|All files (*.*)|*.*||"
    explicit CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt = nullptr, LPCWSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    OPENFILENAMEW m_ofn;

    INT_PTR DoModal() override;
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // Multiple selection: the folder, then each file name, NUL-separated.
    POSITION GetStartPosition() const { return (POSITION)m_ofn.lpstrFile; }
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strFilter;
    WCHAR m_szFileTitle[64];
    WCHAR m_szFileName[MAX_PATH * 8];
};

class CColorDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    CHOOSECOLORW m_cc;
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    static COLORREF* PASCAL GetSavedCustomColors();
};

// The print dialog: printer, pages and copies. The DC it returns (PD_RETURNDC) belongs to
// the caller.
class CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION | PD_HIDEPRINTTOFILE,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;
    PRINTDLGW m_pd;

    INT_PTR DoModal() override;
    // The default printer, without showing the dialog.
    BOOL GetDefaults();
};

class CFindReplaceDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFindReplaceDialog)
public:
    CFindReplaceDialog();
    // Modeless: the owner receives the registered message FINDMSGSTRING.
    virtual BOOL Create(BOOL bFindDialogOnly, LPCWSTR lpszFindWhat, LPCWSTR lpszReplaceWith = nullptr,
                        DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = nullptr);
    FINDREPLACEW m_fr;
    static CFindReplaceDialog* PASCAL GetNotifier(LPARAM lParam);
    CString GetReplaceString() const { return m_fr.lpstrReplaceWith; }
    CString GetFindString() const { return m_fr.lpstrFindWhat; }
    BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
    BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
    BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
    BOOL MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
    BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
    BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
    BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }

protected:
    void PostNcDestroy() override;
    WCHAR m_szFindWhat[128];
    WCHAR m_szReplaceWith[128];
};
