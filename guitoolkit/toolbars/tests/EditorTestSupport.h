// Stand-ins for the tests of the editors: keys and clicks posted and pumped through the windows'
// PreTranslateMessage as the message loop would, and a dialog that hosts the controls.
#pragma once
#include <afxwin.h>
#include <afxdialog.h>
#include <afxdlgs.h>
#include <initializer_list>
#include <string>
#include <vector>

// A key's press or release as the system posts it: repeat count 1, the previous-state and
// transition bits of a release, the context bit for a system key.
void PostKey(HWND iWindow, UINT iKey, BOOL iDown, BOOL iSystem = FALSE);
// Presses each key in turn, then releases them in the opposite order.
void PostChord(HWND iWindow, std::initializer_list<UINT> iKeys);
// A left button press and release at a client point.
void PostClick(HWND iWindow, CPoint iPoint);
// The waiting messages, each offered to the windows' PreTranslateMessage before it is dispatched.
void PumpPreTranslated();

// A dialog made from an empty template in memory, shown and active; the tests add its controls.
class HostDialog : public CDialog {
public:
    explicit HostDialog(const CRect& iRect = CRect(0, 0, 300, 200));
    ~HostDialog() override;
};

// An application whose message boxes are recorded, not shown, and answered.
class PromptRecordingApp : public CWinApp {
public:
    explicit PromptRecordingApp(int iAnswer = IDOK) : CWinApp(L"Editors"), m_Answer(iAnswer) {}
    int DoMessageBox(LPCWSTR iPrompt, UINT iType, UINT) override
    {
        m_Prompts.push_back(iPrompt);
        m_Types.push_back(iType);
        return m_Answer;
    }
    int m_Answer;
    std::vector<std::wstring> m_Prompts;
    std::vector<UINT> m_Types;
};

// A modeless sheet that shows one page.
class PageHost {
public:
    explicit PageHost(CPropertyPage& ioPage);
    ~PageHost();
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;
    // A click on a button of the page, as the user's would arrive.
    void Click(UINT iControlId);
    CPropertySheet m_Sheet;
    CPropertyPage& m_Page;
};
