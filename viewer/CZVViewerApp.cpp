#include "CZVViewerApp.h"

#include "CAboutDlg.h"
#include "CZVViewerDoc.h"
#include "MainFrame.h"
#include "RightView.h"
#include "ViewerLog.h"
#include "ViewerResources.h"

#include <afxole.h>
#include <commctrl.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>

// The GDI+ declarations need min and max in the global namespace.
#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

BEGIN_MESSAGE_MAP(CZVViewerApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, &CZVViewerApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

CZVViewerApp::CZVViewerApp()
    : CGTWorkspace(TRUE), m_Period(SmartPtr<ILocalClock>(new TSystemLocalClock)), m_GdiplusToken(0)
{
}

BOOL CZVViewerApp::InitInstance()
{
    SetUpViewerLog();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    if (!AfxOleInit()) {
        AfxMessageBox(IDS_OLE_INIT_FAILED, MB_OK);
        return FALSE;
    }
    AfxEnableControlContainer();
    Gdiplus::GdiplusStartupInput gdiplus;
    Gdiplus::GdiplusStartup(&m_GdiplusToken, &gdiplus, nullptr);
    SetRegistryKey(L"Halvorn Software");
    LoadStdProfileSettings(0);
    SetRegistryBase(L"Settings");
    m_Period.LoadPeriodSettings();
    InitContextMenuManager();
    InitKeyboardManager();
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CZVViewerDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CRightView)));
    CCommandLineInfo command;
    ParseCommandLine(command);
    if (!ProcessShellCommand(command))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CZVViewerApp::ExitInstance()
{
    m_Period.SavePeriodSettings();
    CleanUpGuiToolkit();
    if (m_GdiplusToken)
        Gdiplus::GdiplusShutdown(m_GdiplusToken);
    return CWinApp::ExitInstance();
}

void CZVViewerApp::PreLoadState()
{
    GetContextMenuManager()->AddMenu(L"My menu", IDR_MY_MENU);
}

void CZVViewerApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}
