// Stand-ins for the toolbar tests: a look that records what it is asked to draw, buttons and
// bars that record what they are told, and a foreign class that data may name.
#pragma once
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <string>
#include <vector>

// Records the toolbar-button and status-pane drawing calls, each as a name and its state.
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
    void DrawStatusPaneBorder(CDC*, IGTLookBar*, CRect, UINT iPaneId, UINT) override
    {
        Record("pane", static_cast<int>(iPaneId));
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

// A button of a fixed width, as tall as the bar's rows.
class FixedButton : public CGTToolbarButton {
public:
    FixedButton(UINT iCommandId, int iWidth) : CGTToolbarButton(iCommandId, 0, nullptr, FALSE, TRUE), m_Width(iWidth) {}
    CSize CalcSize(CDC*, const CSize& iDefaultSize, BOOL iHorizontal) override
    {
        return iHorizontal ? CSize(m_Width, iDefaultSize.cy) : CSize(iDefaultSize.cx, m_Width);
    }
    BOOL IsControlButton() const override { return m_Control; }
    void OnSize(int iWidth) override { m_Sizes.push_back(iWidth); }
    void OnDblClick(CWnd*) override { ++m_DoubleClicks; }
    int m_Width;
    BOOL m_Control = FALSE;
    std::vector<int> m_Sizes;
    int m_DoubleClicks = 0;
};

// A bar that lays out in a window of a given client size and shows its layout state.
class LayoutBar : public CGTToolBar {
public:
    LayoutBar(CWnd& iParent, int iWidth, const std::vector<int>& iWidths)
    {
        CreateEx(&iParent);
        // The client area takes the width; the borders come on top.
        SetWindowPos(nullptr, 0, 0, iWidth, 40, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(nullptr, 0, 0, 2 * iWidth - ClientWidth(), 40, SWP_NOZORDER | SWP_NOACTIVATE);
        UINT id = 100;
        for (int width : iWidths) {
            auto* button = new FixedButton(width == 0 ? 0 : id++, width == 0 ? 8 : width);
            if (width == 0)
                button->m_Style = TBBS_SEPARATOR;
            InsertButton(button);
        }
    }
    ~LayoutBar() override { DestroyWindow(); }
    void AddCustomizeButton(int iWidth)
    {
        auto* button = new FixedButton(0, iWidth);
        InsertButton(button);
        m_CustomizeButton = button;
    }
    int MruWidth() const { return m_MruWidth; }
    void SetMruWidth(int iWidth) { m_MruWidth = iWidth; }
    void SetFloating(BOOL iFloating, BOOL iLabels)
    {
        m_Floating = iFloating;
        m_TextLabels = iLabels;
    }
    FixedButton* Button(int iIndex) const { return static_cast<FixedButton*>(GetButton(iIndex)); }
    int MenuSelection() const { return m_MenuSelection; }
    int Pressed() const { return m_PressedIndex; }
    int Selected() const { return m_SelectedIndex; }
    HWND Tooltip() const { return m_Tooltip.GetSafeHwnd(); }
    using CGTToolBar::ImagesOf;
    int ClientWidth() const
    {
        CRect client;
        GetClientRect(&client);
        return client.Width();
    }
};

// Counts the beeps instead of sounding them.
class CountingBeeper : public CGTBeeper {
public:
    CountingBeeper() : m_Previous(CGTBeeper::Select(this)) {}
    ~CountingBeeper() override { CGTBeeper::Select(m_Previous); }
    void Beep(UINT iType) const override { m_Beeps.push_back(iType); }
    mutable std::vector<UINT> m_Beeps;

private:
    CGTBeeper* m_Previous;
};

// An application whose message boxes are recorded and answered, not shown.
class AnsweringApp : public CWinApp {
public:
    explicit AnsweringApp(int iAnswer) : CWinApp(L"Toolbars"), m_Answer(iAnswer) {}
    int DoMessageBox(LPCWSTR iPrompt, UINT iType, UINT) override
    {
        m_Prompts.push_back(iPrompt);
        m_Types.push_back(iType);
        return m_Answer;
    }
    int m_Answer;
    std::vector<CString> m_Prompts;
    std::vector<UINT> m_Types;
};

// The toolbars are being customized while the object lives.
class CustomizeModeScope {
public:
    explicit CustomizeModeScope(BOOL iOn = TRUE) { CGTToolBar::SetCustomizeMode(iOn); }
    ~CustomizeModeScope() { CGTToolBar::SetCustomizeMode(FALSE); }
};

// An object's archive form, and an object read back from it.
std::vector<BYTE> Stored(CObject& ioObject);
void Load(CObject& oObject, std::vector<BYTE> iBytes);
