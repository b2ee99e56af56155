#include "PopupTestSupport.h"
#include <guitoolkit/controls/CGTActivePopupMenu.h>

HMENU MakeMenu(const std::vector<MenuEntry>& iEntries)
{
    HMENU menu = ::CreatePopupMenu();
    for (const MenuEntry& entry : iEntries) {
        if (!entry.items.empty())
            ::AppendMenuW(menu, MF_POPUP | entry.flags, reinterpret_cast<UINT_PTR>(MakeMenu(entry.items)), entry.text);
        else if (entry.id == 0)
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(menu, MF_STRING | entry.flags, entry.id, entry.text);
    }
    return menu;
}

std::string DescribeMenu(HMENU iMenu)
{
    std::string text;
    for (int index = 0; index < ::GetMenuItemCount(iMenu); ++index) {
        if (!text.empty())
            text += " ";
        wchar_t name[256] = {};
        ::GetMenuStringW(iMenu, index, name, 255, MF_BYPOSITION);
        std::string narrow;
        for (const wchar_t* letter = name; *letter != 0; ++letter)
            narrow += static_cast<char>(*letter);
        if (HMENU subMenu = ::GetSubMenu(iMenu, index)) {
            text += narrow + ">[" + DescribeMenu(subMenu) + "]";
        } else if (::GetMenuItemID(iMenu, index) == 0) {
            text += "-";
        } else {
            text += narrow + "=" + std::to_string(::GetMenuItemID(iMenu, index));
        }
    }
    return text;
}

void PumpMessages()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

LRESULT CommandRecorder::WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_COMMAND)
        m_Commands.push_back(LOWORD(iWParam));
    return TestParent::WindowProc(iMessage, iWParam, iLParam);
}

MenuFrame::MenuFrame()
{
    // Its commands have no handlers; its menus keep them enabled all the same.
    m_bAutoMenuEnable = FALSE;
    Create(nullptr, L"Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 600, 450));
}

MenuFrame::~MenuFrame()
{
    if (CWnd* popup = CGTActivePopupMenu::Get())
        popup->DestroyWindow();
    DestroyWindow();
}

BOOL MenuFrame::PreTranslateMessage(MSG* iMsg)
{
    if (iMsg->message == WM_KEYDOWN && CGTPopupMenu::GetActiveMenu() != nullptr) {
        CGTPopupMenu::GetActiveMenu()->SendMessage(WM_KEYDOWN, iMsg->wParam, iMsg->lParam);
        return TRUE;
    }
    return StackFrame::PreTranslateMessage(iMsg);
}

LRESULT MenuFrame::WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_COMMAND)
        m_Commands.push_back(LOWORD(iWParam));
    return StackFrame::WindowProc(iMessage, iWParam, iLParam);
}

MenuToolBar::MenuToolBar(CFrameWnd& iFrame, const std::vector<MenuEntry>& iMenu)
{
    CreateEx(&iFrame);
    HMENU menu = MakeMenu(iMenu);
    InsertButton(new CGTToolbarMenuButton(GTSubMenuCommand, menu, -1, L"&Report"));
    ::DestroyMenu(menu);
    SetWindowPos(nullptr, 0, 0, 300, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcButtonLayout();
}

MenuToolBar::~MenuToolBar()
{
    DestroyWindow();
}

BOOL MenuToolBar::DropDownNextMenu()
{
    m_Moves.push_back("next");
    return TRUE;
}

BOOL MenuToolBar::DropDownPrevMenu()
{
    m_Moves.push_back("previous");
    return TRUE;
}

CGTPopupMenu* MenuToolBar::Open()
{
    return MenuButton().OpenPopupForParent(this) ? MenuButton().GetPopupMenu() : nullptr;
}

PlainMenuOptions::PlainMenuOptions()
    : m_Animation(GTMenuOptions::s_Animation), m_Shadows(GTMenuOptions::s_Shadows),
      m_RecentlyUsed(GTMenuOptions::s_RecentlyUsed)
{
    GTMenuOptions::s_Animation = 0;
    GTMenuOptions::s_Shadows = FALSE;
    GTMenuOptions::s_RecentlyUsed = FALSE;
}

PlainMenuOptions::~PlainMenuOptions()
{
    GTMenuOptions::s_Animation = m_Animation;
    GTMenuOptions::s_Shadows = m_Shadows;
    GTMenuOptions::s_RecentlyUsed = m_RecentlyUsed;
}
