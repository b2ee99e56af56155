// Stand-ins for the toolbar tests: a look that records what it is asked to draw, buttons and
// bars that record what they are told, and a foreign class that data may name.
#pragma once
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTWorkspace.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <string>
#include <vector>

// Records the toolbar-button drawing calls, each as a name and its state.
class RecordingLook : public CGTVisualManager {
    DECLARE_DYNCREATE(RecordingLook)
public:
    void FillButtonInterior(CDC*, IGTLookButton*, CRect, int iState) override { Record("fill", iState); }
    void DrawButtonBorder(CDC*, IGTLookButton*, CRect, int iState) override { Record("border", iState); }
    COLORREF GetToolbarButtonTextColor(IGTLookButton* iButton, int iState) const override
    {
        const_cast<RecordingLook*>(this)->Record("text", iState);
        return CGTVisualManager::GetToolbarButtonTextColor(iButton, iState);
    }
    void Record(const char* iName, int iState) { m_Calls.push_back(iName + std::to_string(iState)); }

    std::vector<std::string> m_Calls;
};

// The recording look is current while the object lives.
class RecordingLookInPlace {
public:
    RecordingLookInPlace()
    {
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(RecordingLook));
        m_Look = static_cast<RecordingLook*>(CGTVisualManager::GetCurrent());
    }
    ~RecordingLookInPlace() { CGTVisualManager::SelectManagerClass(nullptr); }
    RecordingLook& operator*() const { return *m_Look; }
    RecordingLook* operator->() const { return m_Look; }

private:
    RecordingLook* m_Look;
};

// A workspace whose loaded data has the given version (major, minor as stored).
class VersionedWorkspace : public CGTWorkspace {
public:
    VersionedWorkspace(int iMajor, int iMinor)
    {
        m_DataVersionMajor = iMajor;
        m_DataVersionMinor = iMinor;
    }
};

// Any serialisable class other than a button; counts its objects.
class ForeignThing : public CObject {
    DECLARE_SERIAL(ForeignThing)
public:
    ForeignThing() { ++s_Made; }
    ~ForeignThing() override { ++s_Deleted; }
    void Serialize(CArchive& ioArchive) override
    {
        if (ioArchive.IsStoring())
            ioArchive << m_Value;
        else
            ioArchive >> m_Value;
    }
    int m_Value = 7;
    static int s_Made;
    static int s_Deleted;
};

// A toolbar that records what it is told and shows its protected parts.
class RecordingToolBar : public CGTToolBar {
public:
    DROPEFFECT OnDragEnter(COleDataObject*, DWORD, CPoint) override
    {
        m_Calls.push_back("enter");
        return DROPEFFECT_COPY;
    }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint) override
    {
        m_Calls.push_back("over");
        return DROPEFFECT_COPY;
    }
    BOOL OnDrop(COleDataObject*, DROPEFFECT, CPoint) override
    {
        m_Calls.push_back("drop");
        return TRUE;
    }
    void OnDragLeave() override { m_Calls.push_back("leave"); }
    void OnCustomizeMode(BOOL iCustomize) override
    {
        m_Calls.push_back(iCustomize ? "customize" : "plain");
        CGTToolBar::OnCustomizeMode(iCustomize);
    }
    BOOL RestoreOriginalState() override
    {
        m_Calls.push_back("restore");
        return TRUE;
    }
    CGTToolbarDropTarget& DropTarget() { return m_DropTarget; }

    std::vector<std::string> m_Calls;
};

// A frame that lives on the stack: its window's end does not delete it, as a frame's would.
class StackFrame : public CFrameWnd {
protected:
    void PostNcDestroy() override {}
};

// A popup window standing in for the frame a bar sits in.
class TestParent : public CWnd {
public:
    TestParent() { CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr); }
    ~TestParent() override { DestroyWindow(); }
};
