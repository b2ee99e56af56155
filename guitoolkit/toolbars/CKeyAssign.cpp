#include <guitoolkit/toolbars/CKeyAssign.h>

namespace {
const BYTE modifierFlags = FSHIFT | FCONTROL | FALT;

BYTE ModifierFlag(WPARAM iKey)
{
    switch (iKey) {
    case VK_SHIFT:
        return FSHIFT;
    case VK_CONTROL:
        return FCONTROL;
    case VK_MENU:
        return FALT;
    default:
        return 0;
    }
}

BOOL IsKeyMessage(UINT iMessage)
{
    return iMessage == WM_KEYDOWN || iMessage == WM_KEYUP || iMessage == WM_SYSKEYDOWN || iMessage == WM_SYSKEYUP;
}

BOOL IsButtonDown(UINT iMessage)
{
    return iMessage == WM_LBUTTONDOWN || iMessage == WM_MBUTTONDOWN || iMessage == WM_RBUTTONDOWN;
}
}  // namespace

BEGIN_MESSAGE_MAP(CKeyAssign, CEdit)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CKeyAssign::CKeyAssign() : m_KeyDefined(FALSE), m_Accel{}, m_Helper(&m_Accel), m_Armed(FALSE) {}

void CKeyAssign::ResetKey()
{
    m_Accel = ACCEL{};
    m_KeyDefined = FALSE;
}

void CKeyAssign::ClearCapturedKey()
{
    ResetKey();
    if (GetSafeHwnd() != nullptr)
        SetWindowText(L"");
}

BOOL CKeyAssign::PreTranslateMessage(MSG* ioMessage)
{
    if (IsButtonDown(ioMessage->message)) {
        m_Armed = TRUE;
        SetFocus();
        return TRUE;
    }
    if (!IsKeyMessage(ioMessage->message))
        return CEdit::PreTranslateMessage(ioMessage);
    if (!CaptureKey(*ioMessage))
        return TRUE;
    if ((m_Accel.fVirt & modifierFlags) == 0) {
        if (m_Accel.key == VK_TAB && m_KeyDefined) {
            ClearCapturedKey();
            return CEdit::PreTranslateMessage(ioMessage);
        }
        if (m_Accel.key == VK_ESCAPE) {
            ClearCapturedKey();
            return TRUE;
        }
    }
    CString text;
    m_Helper.Format(text);
    SetWindowText(text);
    return TRUE;
}

BOOL CKeyAssign::CaptureKey(const MSG& iMessage)
{
    const BOOL down = iMessage.message == WM_KEYDOWN || iMessage.message == WM_SYSKEYDOWN;
    const BOOL repeated = (iMessage.lParam & (1 << 30)) != 0;
    if (down && !repeated && m_KeyDefined)
        ResetKey();
    if (m_KeyDefined)
        return TRUE;
    if (const BYTE flag = ModifierFlag(iMessage.wParam)) {
        m_Accel.fVirt = static_cast<BYTE>(down ? m_Accel.fVirt | flag : m_Accel.fVirt & ~flag);
        return TRUE;
    }
    if (!m_Armed) {
        m_Armed = TRUE;
        return FALSE;
    }
    m_Accel.key = static_cast<WORD>(iMessage.wParam);
    if (down) {
        m_KeyDefined = TRUE;
        m_Accel.fVirt |= FVIRTKEY;
    }
    return TRUE;
}

void CKeyAssign::OnKillFocus(CWnd* iNext)
{
    m_Armed = FALSE;
    CEdit::OnKillFocus(iNext);
}
