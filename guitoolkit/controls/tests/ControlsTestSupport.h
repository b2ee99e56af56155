// A hidden top-level window that parents the controls under test and records the
// notifications they send it.
#pragma once
#include <afxwin.h>
#include <vector>

struct RecordedMessage {
    UINT m_Message;
    WPARAM m_WParam;
    LPARAM m_LParam;
};

class ParentWindow : public CWnd {
public:
    explicit ParentWindow(const CRect& iRect = CRect(0, 0, 400, 300), DWORD iStyle = WS_POPUP)
    {
        CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)), L"parent",
                 iStyle, iRect, nullptr, 0);
    }
    ~ParentWindow() override { DestroyWindow(); }

    // The recorded messages of one kind.
    std::vector<RecordedMessage> Of(UINT iMessage) const
    {
        std::vector<RecordedMessage> found;
        for (const RecordedMessage& message : m_Recorded)
            if (message.m_Message == iMessage)
                found.push_back(message);
        return found;
    }
    // The WM_COMMAND codes a control sent, as (id, code) pairs packed in wParam.
    std::vector<WPARAM> Commands() const
    {
        std::vector<WPARAM> found;
        for (const RecordedMessage& message : Of(WM_COMMAND))
            found.push_back(message.m_WParam);
        return found;
    }

    std::vector<UINT> m_Watched = {WM_COMMAND};
    std::vector<RecordedMessage> m_Recorded;

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        for (UINT watched : m_Watched)
            if (watched == iMessage)
                m_Recorded.push_back({iMessage, iWParam, iLParam});
        return CWnd::WindowProc(iMessage, iWParam, iLParam);
    }
};

#include <guitoolkit/core/CGTVisualManager.h>

// A look that records what the controls ask of it; in place while a RecordingLookScope lives.
class RecordingLook : public CGTVisualManager {
    DECLARE_DYNCREATE(RecordingLook)
public:
    BOOL DrawPushButtonThemed(CDC* iDc, CRect iRect, IGTLookPushButton* iButton, UINT iState) override
    {
        ++s_ThemedCalls;
        return s_ThemedAnswer;
    }
    void DrawSpinButtons(CDC* iDc, CRect iRect, int iState, BOOL iHorizontal, CWnd* iSpin) override
    {
        s_SpinStates.push_back(iState);
        CGTVisualManager::DrawSpinButtons(iDc, iRect, iState, iHorizontal, iSpin);
    }

    static inline BOOL s_ThemedAnswer = FALSE;
    static inline int s_ThemedCalls = 0;
    static inline std::vector<int> s_SpinStates;
};

struct RecordingLookScope {
    RecordingLookScope()
    {
        RecordingLook::s_ThemedAnswer = FALSE;
        RecordingLook::s_ThemedCalls = 0;
        RecordingLook::s_SpinStates.clear();
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(RecordingLook));
    }
    ~RecordingLookScope() { CGTVisualManager::SelectManagerClass(nullptr); }
};
