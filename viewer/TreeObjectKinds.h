#pragma once
// The eight kinds of tree object: the root kinds of the Users, Computers and Applications
// trees and what stands below them.
#include "TreeObject.h"

// Users tree, root.
class CUserObject : public CTreeObject {
    DECLARE_DYNAMIC(CUserObject)
public:
    CUserObject(ULONG iId, LPCWSTR iName, CTreeObject*) : CTreeObject(iId, iName, nullptr) {}
    BOOL LoadChildren(HTREEITEM iItem) override;
    void ShowReport() override;
};

// Users tree, a computer under a user: that user's programs on it.
class CComputerObject : public CTreeObject {
    DECLARE_DYNAMIC(CComputerObject)
public:
    using CTreeObject::CTreeObject;
    BOOL LoadChildren(HTREEITEM iItem) override;
    void ShowReport() override;
    void FillRequest(SummaryActivityRequest& ioRequest) const override;
};

// Users tree, a program under a computer: its window titles for that user there.
class CApplicationObject : public CTreeObject {
    DECLARE_DYNAMIC(CApplicationObject)
public:
    using CTreeObject::CTreeObject;
    BOOL LoadChildren(HTREEITEM) override { return TRUE; }
    void ShowReport() override;
    void FillRequest(SummaryActivityRequest& ioRequest) const override;
};

// Computers tree, root.
class CWorkstationObject : public CTreeObject {
    DECLARE_DYNAMIC(CWorkstationObject)
public:
    CWorkstationObject(ULONG iId, LPCWSTR iName, CTreeObject*) : CTreeObject(iId, iName, nullptr) {}
    BOOL LoadChildren(HTREEITEM iItem) override;
    void ShowReport() override;
};

// Computers tree, a user under a computer: that user's programs on it.
class CCompUserObject : public CTreeObject {
    DECLARE_DYNAMIC(CCompUserObject)
public:
    using CTreeObject::CTreeObject;
    BOOL LoadChildren(HTREEITEM iItem) override;
    void ShowReport() override;
    void FillRequest(SummaryActivityRequest& ioRequest) const override;
};

// Computers tree, a program under a user: as in the Users tree, with computer and user swapped.
class CWsUsApplicationObject : public CApplicationObject {
    DECLARE_DYNAMIC(CWsUsApplicationObject)
public:
    using CApplicationObject::CApplicationObject;
    void FillRequest(SummaryActivityRequest& ioRequest) const override;
};

// Applications tree, root: the program's users.
class CProgramObject : public CTreeObject {
    DECLARE_DYNAMIC(CProgramObject)
public:
    CProgramObject(ULONG iId, LPCWSTR iName, CTreeObject*) : CTreeObject(iId, iName, nullptr) {}
    BOOL LoadChildren(HTREEITEM iItem) override;
    void ShowReport() override;
    void FillRequest(SummaryActivityRequest& ioRequest) const override;
};

// Applications tree, a user under a program: the program's window titles for that user.
class CAppUserObject : public CTreeObject {
    DECLARE_DYNAMIC(CAppUserObject)
public:
    using CTreeObject::CTreeObject;
    BOOL LoadChildren(HTREEITEM) override { return TRUE; }
    void ShowReport() override;
    void FillRequest(SummaryActivityRequest& ioRequest) const override;
};
