// The drop source of a dragged toolbar button: it shows the toolkit's own cursors for a
// copy, a move and a place where the button cannot go, falling back to the system's drag
// cursors when they cannot be loaded.
#pragma once
#include <afxole.h>

class CGTToolbarDropSource : public COleDropSource {
public:
    CGTToolbarDropSource();

    // The cursors are loaded on the first drag.
    BOOL OnBeginDrag(CWnd* iWnd) override;
    SCODE GiveFeedback(DROPEFFECT iEffect) override;
    SCODE QueryContinueDrag(BOOL iEscapePressed, DWORD iKeyState) override;

    // Whether the drag has left its start rectangle.
    BOOL IsDragStarted() const { return m_bDragStarted; }
    BOOL WasEscapePressed() const { return m_EscapePressed; }

    // The no-drop cursor shows while the drag goes on.
    BOOL m_DragCursor;

private:
    void LoadCursors();

    BOOL m_EscapePressed;
    HCURSOR m_NoDropCursor;
    HCURSOR m_MoveCursor;
    HCURSOR m_CopyCursor;
};
