// zvviewdriver: plays a user of the viewer. Starts the viewer, selects the first program of
// the Applications tree with the keys, exports its report through the viewer's Export command
// and save dialog, then opens and closes the program and double-clicks the report's first row,
// which selects that user, and does the same for the user's report. Beside each
// page it keeps a screenshot of the report window (chart and grid).
//   zvviewdriver.exe VIEWER OUTPUT-FOLDER [--stay]
// Prints the path of every file it kept. --stay leaves the viewer open until the user closes it.
#include <ScreenTestSupport.h>
#include "ProcessWindows.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const UINT kApplicationsBarId = 126;
const UINT kExportCommand = 32849;
const UINT kReportGridId = 1234;

// A visible top-level window of the viewer (of the class, when given), waited for.
HWND WaitForWindow(DWORD iProcessId, LPCWSTR iClassName, int iSeconds = 30)
{
    return WaitForProcessWindow(iProcessId, iClassName, FALSE, iSeconds);
}

BOOL CALLBACK FindApplicationsTree(HWND iWindow, LPARAM iFound)
{
    wchar_t name[64] = {};
    GetClassNameW(iWindow, name, 64);
    if (wcscmp(name, WC_TREEVIEWW) != 0 || GetDlgCtrlID(GetParent(iWindow)) != kApplicationsBarId)
        return TRUE;
    *reinterpret_cast<HWND*>(iFound) = iWindow;
    return FALSE;
}

// The Applications tree once it shows its programs.
HWND WaitForPrograms(HWND iFrame)
{
    for (int i = 0; i < 300; ++i) {
        HWND tree = nullptr;
        EnumChildWindows(iFrame, FindApplicationsTree, reinterpret_cast<LPARAM>(&tree));
        if (tree && SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0)
            return tree;
        Sleep(100);
    }
    return nullptr;
}

void Type(const std::wstring& iText)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : iText)
        for (DWORD up : {0UL, static_cast<DWORD>(KEYEVENTF_KEYUP)}) {
            INPUT input{INPUT_KEYBOARD};
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Keys that wait a moment after them: a selection builds a report, an expansion asks the server.
void Press(WORD iKey)
{
    SendKey(iKey);
    Sleep(1500);
}

class TViewerDriver {
public:
    TViewerDriver(const PROCESS_INFORMATION& iViewer, const std::wstring& iFolder)
        : m_Viewer(iViewer), m_Folder(iFolder)
    {
    }

    bool Run()
    {
        m_Frame = WaitForWindow(m_Viewer.dwProcessId, nullptr);
        HWND tree = m_Frame ? WaitForPrograms(m_Frame) : nullptr;
        if (!tree)
            return Fail(L"the viewer shows no programs");
        if (!FocusTree(tree))
            return false;
        Press(VK_END);
        Press(VK_HOME);
        if (Selected(tree) != TreeView_GetRoot(tree))
            return Fail(L"the first program was not selected");
        if (!Keep(L"program") || !FocusTree(tree))
            return false;
        // Opened and closed again, the program's users are gone; the report's first row
        // brings its user back.
        const HTREEITEM program = Selected(tree);
        Press(VK_ADD);
        Press(VK_SUBTRACT);
        if (TreeView_GetChild(tree, program))
            return Fail(L"the program did not close");
        DoubleClickFirstRow();
        if (Selected(tree) == program)
            return Fail(L"a double-click on the report's first row selected nothing");
        return Keep(L"user");
    }

private:
    static HTREEITEM Selected(HWND iTree) { return TreeView_GetSelection(iTree); }

    // A click on the first item's label: a click elsewhere may land on a scroll bar, and the
    // keys then go nowhere.
    bool FocusTree(HWND iTree)
    {
        SetForegroundWindow(m_Frame);
        const int indent = static_cast<int>(SendMessageW(iTree, TVM_GETINDENT, 0, 0));
        const int height = static_cast<int>(SendMessageW(iTree, TVM_GETITEMHEIGHT, 0, 0));
        POINT label = {indent + GetSystemMetrics(SM_CXSMICON) + 6, height / 2};
        ClientToScreen(iTree, &label);
        SendClick(label);
        Sleep(500);
        GUITHREADINFO focus{sizeof focus};
        if (!GetGUIThreadInfo(m_Viewer.dwThreadId, &focus) || focus.hwndFocus != iTree)
            return Fail(L"the Applications tree did not take the focus");
        return true;
    }

    // Below the grid's header, in its first column.
    void DoubleClickFirstRow()
    {
        RECT grid;
        GetWindowRect(GetDlgItem(GetDlgItem(m_Frame, AFX_IDW_PANE_FIRST), kReportGridId), &grid);
        SetForegroundWindow(m_Frame);
        SendClick({grid.left + 60, grid.top + 31});
        SendClick({grid.left + 60, grid.top + 31});
        Sleep(1500);
    }

    bool Fail(const std::wstring& iWhat)
    {
        std::fwprintf(stderr, L"zvviewdriver: %ls\n", iWhat.c_str());
        return false;
    }

    // The report shown now: exported as NAME.htm through the save dialog, seen as NAME.bmp.
    bool Keep(const std::wstring& iName)
    {
        const std::wstring page = m_Folder + L"\\" + iName + L".htm";
        DeleteFileW(page.c_str());
        PostMessageW(m_Frame, WM_COMMAND, kExportCommand, 0);
        HWND dialog = WaitForWindow(m_Viewer.dwProcessId, L"#32770", 10);
        if (!dialog)
            return Fail(L"no save dialog");
        SetForegroundWindow(dialog);
        Sleep(500);
        SendKey(VK_END);
        for (int i = 0; i < 260; ++i) {
            INPUT input{INPUT_KEYBOARD};
            input.ki.wVk = VK_BACK;
            SendInput(1, &input, sizeof input);
            input.ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(1, &input, sizeof input);
        }
        Type(page);
        SendKey(VK_RETURN);
        for (int i = 0; i < 100 && (IsWindow(dialog) || GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES);
             ++i)
            Sleep(100);
        if (GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES)
            return Fail(L"the report was not exported to " + page);
        Sleep(1000);
        RECT view;
        GetWindowRect(GetDlgItem(m_Frame, AFX_IDW_PANE_FIRST), &view);
        const std::wstring picture = m_Folder + L"\\" + iName + L".bmp";
        Screenshot(CRect(view)).Save(picture.c_str());
        std::wprintf(L"zvviewdriver: %ls\nzvviewdriver: %ls\n", page.c_str(), picture.c_str());
        return true;
    }

    PROCESS_INFORMATION m_Viewer;
    std::wstring m_Folder;
    HWND m_Frame = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: zvviewdriver VIEWER OUTPUT-FOLDER [--stay]\n");
        return 2;
    }
    const bool stay = argc > 3 && wcscmp(argv[3], L"--stay") == 0;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION viewer{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &viewer)) {
        std::fwprintf(stderr, L"zvviewdriver: cannot start %ls (%lu)\n", argv[1], GetLastError());
        return 1;
    }
    const bool done = TViewerDriver(viewer, argv[2]).Run();
    if (stay) {
        std::wprintf(L"zvviewdriver: the viewer stays open until it is closed\n");
        WaitForSingleObject(viewer.hProcess, INFINITE);
    } else if (HWND frame = WaitForWindow(viewer.dwProcessId, nullptr, 1)) {
        PostMessageW(frame, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(viewer.hProcess, 15000) != WAIT_OBJECT_0)
        TerminateProcess(viewer.hProcess, 1);
    CloseHandle(viewer.hProcess);
    CloseHandle(viewer.hThread);
    return done ? 0 : 1;
}
