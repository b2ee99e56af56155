// "MDITabsState" read whole before anything is closed or opened: a short, corrupt or
// out-of-range value throws here and leaves the client area as it was.
#pragma once
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <memory>
#include <vector>

namespace GTMDITabsRecord {

struct Document {
    CString name;
    std::unique_ptr<CObject> object;
};

struct Tab {
    Document document;
    CString label;
    int resizeMode = 0;
    COLORREF color = static_cast<COLORREF>(-1);
};

struct Group {
    int activeTab = 0;
    BOOL activeGroup = FALSE;
    std::vector<Tab> tabs;
    BOOL autoColor = FALSE;
    std::vector<COLORREF> colors;
    BOOL documentMenu = FALSE;
    BOOL tabSwap = TRUE;
    int borderSize = 0;
    CRect rect;
};

struct Child {
    Document document;
    WINDOWPLACEMENT placement = {};
    BOOL active = FALSE;
};

struct Record {
    MDITabSettings settings;
    BOOL singleTabsMode = FALSE;
    BOOL groupsMode = FALSE;
    BOOL tabsShown = FALSE;
    int groupSplit = 0;
    int splitterMargin = 0;
    int newGroupZone = 0;
    std::vector<Group> groups;
    std::vector<Child> children;
};

// Document objects are read as iObjectClass (null: a value that carries one is refused).
void Read(CArchive& ioArchive, CRuntimeClass* iObjectClass, Record& oRecord);
void WriteDocument(CArchive& ioArchive, const CString& iName, CObject* iObject);

}  // namespace GTMDITabsRecord
