// CDocument: the data that views show. A document keeps its title and path, the list of
// its views, and whether it changed since it was loaded or saved. It loads and saves
// through Serialize; a load or save that fails is reported with the file and the cause,
// leaves the file as it was (saves go through a temporary file) and leaves no half-read
// document. Commands it does not handle go on to its template.
#pragma once
#include "afxcmdtarget.h"
#include "afxframe.h"

class CView;
class CDocTemplate;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Shows the new title in every frame of the document.
    virtual void SetTitle(LPCWSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The title becomes the file's name; with bAddToMRU the path goes to the recent files.
    virtual void SetPathName(LPCWSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // Views
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const { return static_cast<CView*>(m_viewList.GetNext(rPosition)); }
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // Retitles the frames of the document (a number after the title when it has several).
    virtual void UpdateFrameCounts();

    // Life of the data
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCWSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCWSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    // Asks whether to save a modified document: FALSE when the user cancels or the save fails.
    virtual BOOL SaveModified();
    // The user may close pFrame: another frame still shows the document, or it was saved or dropped.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Saves under lpszPathName, or asks for a name when it is null.
    virtual BOOL DoSave(LPCWSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    virtual void ReportSaveLoadException(LPCWSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;
    BOOL m_bAutoDelete;  // deleted when its last view goes
    BOOL m_bEmbedded;

protected:
    // The last view went: the document closes itself when it deletes itself.
    virtual void OnChangedViewList();

    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    DECLARE_MESSAGE_MAP()

    friend class CDocTemplate;
};
