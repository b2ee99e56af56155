// What the MDI client area asks of the MDI frame above it and of the MDI children it shows as
// tabs. The toolkit's MDI frame and child implement them; the client area lies below the frame
// layer and reaches them only through these.
#pragma once
#include <afxwin.h>

class CGTTabWnd;

class IGTMDITabChild {
public:
    virtual CString GetChildTitle() const = 0;
    virtual HICON GetChildIcon() const = 0;
    virtual BOOL CanAppearOnTabs() const = 0;
    // The name the saved arrangement reopens the document by; empty: none. The object, when one
    // is handed out, belongs to the caller.
    virtual CString GetStateDocumentName(CObject*& oObject) const = 0;
    // The tab group that shows the child's tab; null outside tab groups.
    virtual CGTTabWnd* GetTabGroup() const = 0;
    virtual void SetTabGroup(CGTTabWnd* iGroup) = 0;
    virtual BOOL IsBeingDestroyed() const = 0;
    virtual void MarkBeingDestroyed() = 0;

protected:
    ~IGTMDITabChild() = default;
};

class IGTMDITabFrame {
public:
    virtual BOOL IsClosing() const = 0;
    // With a menu bar, the Window popup is looked up again in the menu the bar holds.
    virtual void RefreshWindowMenuPopup() = 0;
    virtual BOOL ShowMenuInMenuBar(HMENU iMenu) = 0;
    virtual BOOL EraseClientAreaBackground(CDC* iDc) = 0;
    virtual BOOL ShowTabGroupMenu(int iX, int iY, DWORD iFlags, BOOL iDropped) = 0;
    // The child that shows the document, or null when it cannot be opened.
    virtual CWnd* OpenDocumentWindow(const CString& iName, CObject* iObject) = 0;
    virtual CWnd* OpenAnotherDocumentWindow(const CString& iName, CObject* iObject) = 0;
    // The class the saved arrangement reads document objects with; null: none may be stored.
    virtual CRuntimeClass* GetStateObjectClass() const = 0;

protected:
    ~IGTMDITabFrame() = default;
};

IGTMDITabChild* AsMDITabChild(CWnd* iWindow);
IGTMDITabChild* AsMDITabChild(HWND iWindow);
IGTMDITabFrame* AsMDITabFrame(CWnd* iWindow);
