#include "EditorTestSupport.h"
#include <guitoolkit/core/tests/TestSupport.h>

void PostKey(HWND iWindow, UINT iKey, BOOL iDown, BOOL iSystem)
{
    LPARAM lParam = 1;
    if (!iDown)
        lParam |= (1 << 30) | (1u << 31);
    if (iSystem)
        lParam |= 1 << 29;
    const UINT message = iSystem ? (iDown ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (iDown ? WM_KEYDOWN : WM_KEYUP);
    ::PostMessageW(iWindow, message, iKey, lParam);
}

void PostChord(HWND iWindow, std::initializer_list<UINT> iKeys)
{
    for (UINT key : iKeys)
        PostKey(iWindow, key, TRUE);
    for (auto key = std::rbegin(iKeys); key != std::rend(iKeys); ++key)
        PostKey(iWindow, *key, FALSE);
}

void PostClick(HWND iWindow, CPoint iPoint)
{
    ::PostMessageW(iWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(iPoint.x, iPoint.y));
    ::PostMessageW(iWindow, WM_LBUTTONUP, 0, MAKELPARAM(iPoint.x, iPoint.y));
}

void PumpPreTranslated()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (CWnd::WalkPreTranslateTree(nullptr, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

HostDialog::HostDialog(const CRect& iRect)
{
    alignas(4) static EmptyDialogTemplate s_Template = {{WS_POPUP | WS_VISIBLE | DS_SETFOREGROUND, 0, 0, 0, 0, 50, 40}};
    CreateIndirect(&s_Template.m_Header);
    MoveWindow(iRect);
    SetActiveWindow();
}

HostDialog::~HostDialog()
{
    DestroyWindow();
}

PageHost::PageHost(CPropertyPage& ioPage) : m_Sheet(L"Customize"), m_Page(ioPage)
{
    m_Sheet.AddPage(&ioPage);
    m_Sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
}

PageHost::~PageHost()
{
    m_Sheet.DestroyWindow();
}

void PageHost::Click(UINT iControlId)
{
    m_Page.GetDlgItem(iControlId)->SendMessage(BM_CLICK);
    PumpPreTranslated();
}
