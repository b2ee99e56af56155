#pragma once
#include <afxcmn.h>
#include <zorvane.h>

class CReport;
class CRightView;

// The user, computer or program that a navigation tree item stands for; the item's data.
class CTreeObject : public CCmdTarget {
    DECLARE_DYNAMIC(CTreeObject)
public:
    // iParent: the object of the parent item, not owned; null at the root.
    CTreeObject(ULONG iId, LPCWSTR iName, CTreeObject* iParent);
    // Deletes the report too: a tree emptied without releasing its reports first loses none.
    ~CTreeObject() override;

    // Loads the item's children through the document; leaves have none and answer TRUE.
    virtual BOOL LoadChildren(HTREEITEM iItem) = 0;
    virtual void DeleteReport();
    // Creates and builds the object's report in the report view; the base has none. What
    // the build raises is passed on, and the report keeps what it built.
    virtual void ShowReport();
    // Writes the fields of a report's request that depend on the object; others stay.
    virtual void FillRequest(SummaryActivityRequest& ioRequest) const;

    ULONG GetId() const { return m_Id; }
    const CString& GetName() const { return m_Name; }
    CTreeObject* GetParent() const { return m_Parent; }
    CReport* GetReport() const { return m_Report; }

protected:
    // Takes the report, deleting the one held before.
    void SetReport(CReport* iReport);
    // The report of the kind that iMake makes, for the report view, kept and built.
    void ShowNewReport(CReport* (*iMake)(CRightView* iView, CTreeObject* iOwner));
    // The id of the ancestor iLevels up (1: the parent) written into ioField, when there is one.
    void FillFromAncestor(int iLevels, unsigned long& ioField) const;

private:
    ULONG m_Id;
    CString m_Name;
    CReport* m_Report;
    CTreeObject* m_Parent;
};
