// What the toolkit asks of the system about the user's input and the passing of time: key
// state, the cursor position, a millisecond clock and beeps. Each is a class whose own
// operations ask the system; tests put an object of a derived class in place to play the
// user and the clock.
#pragma once
#include <afxwin.h>
#include <shellapi.h>

template <class Seam>
class CGTSeam {
public:
    virtual ~CGTSeam() = default;

    // The one in use: the system until another one is selected.
    static Seam& Current() { return s_selected != nullptr ? *s_selected : System(); }
    // Puts one in place (null: the system); returns the one it replaces.
    static Seam* Select(Seam* seam)
    {
        Seam* previous = s_selected;
        s_selected = seam;
        return previous;
    }

private:
    static Seam& System()
    {
        static Seam system;
        return system;
    }
    static inline Seam* s_selected = nullptr;
};

class CGTKeyState : public CGTSeam<CGTKeyState> {
public:
    // As the system's: the high bit is set while the key is down.
    virtual SHORT GetKeyState(int iVirtualKey) const;
    virtual SHORT GetAsyncKeyState(int iVirtualKey) const;
    // Whether the key is down by GetKeyState.
    BOOL IsDown(int iVirtualKey) const { return GetKeyState(iVirtualKey) < 0; }
};

// Where the cursor is and what lies under it (the null display driver here does not say
// which window lies at a point).
class CGTCursor : public CGTSeam<CGTCursor> {
public:
    // Screen coordinates.
    virtual BOOL GetPosition(POINT& oPoint) const;
    // The innermost visible window at a screen point.
    virtual HWND WindowAt(POINT iPoint) const;
};

class CGTClock : public CGTSeam<CGTClock> {
public:
    // Milliseconds since an arbitrary start; wraps as the system's tick count does.
    virtual DWORD Milliseconds() const;
};

// Drag rectangles drawn over the whole screen (outlines of dragged bars, sliders and tab
// groups); XOR drawing on the desktop cannot be read back, so tests record it instead.
class CGTScreenDrawing : public CGTSeam<CGTScreenDrawing> {
public:
    // Erases the last rectangle (none for null) and draws the new one, with their thicknesses.
    virtual void DrawDragRect(LPCRECT iRect, SIZE iSize, LPCRECT iLast, SIZE iLastSize) const;
};

class CGTBeeper : public CGTSeam<CGTBeeper> {
public:
    // A MessageBeep type (MB_OK, MB_ICONHAND, ..., or 0xFFFFFFFF for the speaker).
    virtual void Beep(UINT iType) const;
};

// The shell's desktop application bars (SHAppBarMessage); tests play a shell of their own.
class CGTShellAppBars : public CGTSeam<CGTShellAppBars> {
public:
    virtual UINT_PTR Send(DWORD iMessage, APPBARDATA& ioData) const;
};

// The modal dialogs and menus the controls open; tests answer for the user.
class CGTModalDialogs : public CGTSeam<CGTModalDialogs> {
public:
    // An open-file dialog starting at iFileName; FALSE when cancelled.
    virtual BOOL OpenFile(LPCWSTR iDefaultExtension, LPCWSTR iFileName, LPCWSTR iFilter, CString& oPath) const;
    // The folder picker starting at iInitialFolder (file-system folders only); FALSE when cancelled.
    virtual BOOL BrowseForFolder(LPCWSTR iInitialFolder, CString& oFolder) const;
    // As ::TrackPopupMenu with TPM_RETURNCMD: the chosen command, 0 when dismissed.
    virtual UINT TrackPopupMenu(HMENU iMenu, UINT iFlags, int iX, int iY, HWND iOwner) const;
};
