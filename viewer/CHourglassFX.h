#pragma once
#include "ViewerResources.h"

#include <afxwin.h>

// Animates a waiting tree's placeholder with the ten frames of the busy cursor, one step
// every 125 ms, in the place of the placeholder's icon.
template <class Tree>
class CHourglassFX : public Tree {
public:
    CHourglassFX()
        : m_Background(nullptr), m_Frame(0),
          m_Cursor(static_cast<HCURSOR>(
              LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_LOADING), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)))
    {
        this->m_ShowAnimation = TRUE;
        this->m_TimerPeriod = 125;
    }
    ~CHourglassFX() override
    {
        if (m_Cursor)
            DestroyCursor(m_Cursor);
    }

    static const int kFrames = 10;

protected:
    void OnAnimationStart(HTREEITEM iPlaceholder) override
    {
        m_Frame = 0;
        m_IconRect = this->GetItemIconRect(iPlaceholder);
        m_Background = CreateSolidBrush(this->GetBackgroundColor());
    }
    void OnAnimationFrame(BOOL iTimerTick, int&, int&) override
    {
        if (!iTimerTick)
            return;
        m_Frame = (m_Frame + 1) % kFrames;
        HDC dc = ::GetDC(this->m_hWnd);
        DrawIconEx(dc, m_IconRect.left, m_IconRect.top, m_Cursor, m_IconRect.Width(), m_IconRect.Height(), m_Frame,
                   m_Background, DI_NORMAL);
        ::ReleaseDC(this->m_hWnd, dc);
    }
    void OnAnimationEnd() override
    {
        DeleteObject(m_Background);
        m_Background = nullptr;
    }

    HBRUSH m_Background;
    CRect m_IconRect;
    int m_Frame;
    HCURSOR m_Cursor;
};
