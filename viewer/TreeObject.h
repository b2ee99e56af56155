#pragma once
#include <afxcmn.h>
#include <zorvane.h>

// The user, computer or program that a navigation tree item stands for; the item's data.
class CTreeObject : public CCmdTarget {
    DECLARE_DYNAMIC(CTreeObject)
public:
    // iParent: the object of the parent item, not owned; null at the root.
    CTreeObject(ULONG iId, LPCWSTR iName, CTreeObject* iParent);

    // Loads the item's children through the document; leaves have none and answer TRUE.
    virtual BOOL LoadChildren(HTREEITEM iItem) = 0;
    // Writes the fields of a report's request that depend on the object; others stay.
    virtual void FillRequest(SummaryActivityRequest& ioRequest) const;

    ULONG GetId() const { return m_Id; }
    const CString& GetName() const { return m_Name; }
    CTreeObject* GetParent() const { return m_Parent; }

protected:
    // The id of the ancestor iLevels up (1: the parent) written into ioField, when there is one.
    void FillFromAncestor(int iLevels, unsigned long& ioField) const;

private:
    ULONG m_Id;
    CString m_Name;
    CTreeObject* m_Parent;
};
