#pragma once
#include <afxcmn.h>

class CTreeObject;

// The reports of one navigation tree: the object whose report the view shows, and what the
// tree's bar, the main frame and the report view ask of it. Each build it starts shows its
// own failure and keeps what it built. While the server is busy with another call nothing
// is built or selected.
class CTreeReports {
public:
    explicit CTreeReports(CTreeCtrl& ioTree) : m_Tree(ioTree), m_Current(nullptr) {}

    // The selection changed: the selected object's report, unless it is the current one.
    void ShowSelectedReport();
    // Deletes the current object's report; no object is current then.
    void ReleaseCurrentReport();
    // The object is about to be deleted with its tree item: when it is the current one, its
    // report goes first.
    void ForgetObject(const CTreeObject* iObject);
    // Builds the selected object's report again.
    void RefreshCurrentReport();
    // Opens the selected item and selects its first child of that id, which shows its report.
    void SelectChildById(ULONG iId);
    void SelectFirstItem();
    // The selected item's object; with nothing selected, selects the first root item and
    // answers null.
    CTreeObject* GetSelectedObject();
    CTreeObject* GetCurrentObject() const { return m_Current; }
    // The tree is emptied: its objects go, and no report is current.
    void ForgetCurrentObject() { m_Current = nullptr; }

private:
    static CTreeObject* ObjectOf(const CTreeCtrl& iTree, HTREEITEM iItem);

    CTreeCtrl& m_Tree;
    CTreeObject* m_Current;
};

// What the report view needs of the main frame: the reports of the tree that is active now.
class IReportFrame {
public:
    // Null when no tree is active.
    virtual CTreeReports* GetActiveTreeReports() = 0;
    // The view the reports fill: the document's first, handed over when the document starts.
    virtual void SetReportView(CView* iView) = 0;
    virtual CView* GetReportView() const = 0;

protected:
    ~IReportFrame() = default;
};

// The main window's active tree reports, or null.
CTreeReports* GetActiveTreeReports();
