// Test stand-ins for the toolkit's seams (GuiToolkitSeams.h): each is in place while it
// lives. Tests of the toolkit's other folders include it too.
#pragma once
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

template <class Seam>
class ScopedFake : public Seam {
public:
    ScopedFake() : m_Previous(Seam::Select(this)) {}
    ~ScopedFake() override { Seam::Select(m_Previous); }
    ScopedFake(const ScopedFake&) = delete;
    ScopedFake& operator=(const ScopedFake&) = delete;

private:
    Seam* m_Previous;
};

// Keys the test holds down; GetKeyState and GetAsyncKeyState agree.
class FakeKeyState : public ScopedFake<CGTKeyState> {
public:
    SHORT GetKeyState(int iVirtualKey) const override { return m_Down.count(iVirtualKey) ? SHORT(0x8000) : 0; }
    SHORT GetAsyncKeyState(int iVirtualKey) const override { return GetKeyState(iVirtualKey); }
    void Press(int iVirtualKey) { m_Down.insert(iVirtualKey); }
    void Release(int iVirtualKey) { m_Down.erase(iVirtualKey); }

private:
    std::set<int> m_Down;
};

class FakeCursor : public ScopedFake<CGTCursor> {
public:
    BOOL GetPosition(POINT& oPoint) const override
    {
        oPoint = m_Position;
        return TRUE;
    }
    HWND WindowAt(POINT) const override { return m_WindowUnder; }
    POINT m_Position = {0, 0};
    HWND m_WindowUnder = nullptr;
};

class FakeClock : public ScopedFake<CGTClock> {
public:
    DWORD Milliseconds() const override { return m_Now; }
    void Advance(DWORD iMilliseconds) { m_Now += iMilliseconds; }
    DWORD m_Now = 1000;
};

// Records the drag rectangles instead of drawing them: each call as (new, last), an empty
// rectangle standing for none.
class FakeScreenDrawing : public ScopedFake<CGTScreenDrawing> {
public:
    void DrawDragRect(LPCRECT iRect, SIZE, LPCRECT iLast, SIZE) const override
    {
        m_Calls.push_back({iRect != nullptr ? CRect(iRect) : CRect(), iLast != nullptr ? CRect(iLast) : CRect()});
    }
    mutable std::vector<std::pair<CRect, CRect>> m_Calls;
};

class FakeBeeper : public ScopedFake<CGTBeeper> {
public:
    void Beep(UINT iType) const override { m_Beeps.push_back(iType); }
    mutable std::vector<UINT> m_Beeps;
};

// Answers the modal dialogs and menus for the user: a dialog is confirmed with m_Answer
// (cancelled when it is empty), a menu picks m_Choice (0 dismisses it). m_Asked tells what
// was opened last.
class FakeModalDialogs : public ScopedFake<CGTModalDialogs> {
public:
    BOOL OpenFile(LPCWSTR iDefaultExtension, LPCWSTR iFileName, LPCWSTR iFilter, CString& oPath) const override
    {
        m_Asked = std::wstring(L"file ") + iDefaultExtension + L" " + iFileName + L" " + iFilter;
        oPath = m_Answer;
        return !m_Answer.IsEmpty();
    }
    BOOL BrowseForFolder(LPCWSTR iInitialFolder, CString& oFolder) const override
    {
        m_Asked = std::wstring(L"folder ") + iInitialFolder;
        oFolder = m_Answer;
        return !m_Answer.IsEmpty();
    }
    UINT TrackPopupMenu(HMENU iMenu, UINT, int iX, int iY, HWND) const override
    {
        ++m_MenusTracked;
        m_MenuAt = CPoint(iX, iY);
        m_Menu = iMenu;
        return m_Choice;
    }

    CString m_Answer;
    UINT m_Choice = 0;
    mutable std::wstring m_Asked;
    mutable int m_MenusTracked = 0;
    mutable CPoint m_MenuAt;
    mutable HMENU m_Menu = nullptr;
};
