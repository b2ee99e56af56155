#include <guitoolkit/toolbars/CGTToolbarDropSource.h>
#include <guitoolkit/core/GuiToolkitResources.h>

CGTToolbarDropSource::CGTToolbarDropSource()
    : m_DragCursor(TRUE), m_EscapePressed(FALSE), m_NoDropCursor(nullptr), m_MoveCursor(nullptr), m_CopyCursor(nullptr)
{
}

void CGTToolbarDropSource::LoadCursors()
{
    if (m_NoDropCursor != nullptr)
        return;
    HINSTANCE module = AfxGetResourceHandle();
    m_NoDropCursor = ::LoadCursorW(module, MAKEINTRESOURCEW(IDC_GT_NODROP));
    m_MoveCursor = ::LoadCursorW(module, MAKEINTRESOURCEW(IDC_GT_MOVE));
    m_CopyCursor = ::LoadCursorW(module, MAKEINTRESOURCEW(IDC_GT_COPY));
}

BOOL CGTToolbarDropSource::OnBeginDrag(CWnd* iWnd)
{
    LoadCursors();
    return COleDropSource::OnBeginDrag(iWnd);
}

SCODE CGTToolbarDropSource::GiveFeedback(DROPEFFECT iEffect)
{
    HCURSOR cursor = m_NoDropCursor;
    if (iEffect == DROPEFFECT_COPY)
        cursor = m_CopyCursor;
    else if (iEffect == DROPEFFECT_MOVE)
        cursor = m_MoveCursor;
    if (cursor == nullptr)
        return COleDropSource::GiveFeedback(iEffect);
    ::SetCursor(cursor);
    return S_OK;
}

SCODE CGTToolbarDropSource::QueryContinueDrag(BOOL iEscapePressed, DWORD iKeyState)
{
    if (m_DragCursor && m_NoDropCursor != nullptr)
        ::SetCursor(m_NoDropCursor);
    m_EscapePressed = iEscapePressed;
    return COleDropSource::QueryContinueDrag(iEscapePressed, iKeyState);
}
