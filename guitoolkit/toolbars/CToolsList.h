// The tools page's list of user tools: each item holds its tool, and what the user does to
// the items (add, remove, rename, move) is done to the user tools manager's list.
#pragma once
#include <guitoolkit/toolbars/CGTEditListBox.h>

class CGTToolsPage;

class CToolsList : public CGTEditListBox {
public:
    explicit CToolsList(CGTToolsPage& iPage) : m_Page(iPage) {}
    void OnSelectionChanged() override;
    BOOL OnBeforeRemoveItem(int iIndex) override;
    void OnAfterAddItem(int iIndex) override;
    void OnAfterRenameItem(int iIndex) override;
    void OnAfterMoveItemUp(int iIndex) override;
    void OnAfterMoveItemDown(int iIndex) override;

private:
    CGTToolsPage& m_Page;
};
