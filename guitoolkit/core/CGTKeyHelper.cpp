#include <guitoolkit/core/CGTKeyHelper.h>

namespace {
const int maxKeyName = 50;

// Page Up to Help: the keys of the navigation block, which carry the extended-key bit.
BOOL IsExtendedKey(UINT virtualKey)
{
    return virtualKey >= VK_PRIOR && virtualKey <= VK_HELP;
}
}  // namespace

CString CGTKeyHelper::KeyName(UINT iVirtualKey)
{
    if (iVirtualKey == VK_PAUSE)
        return L"Pause";
    const UINT scanCode = ::MapVirtualKeyExW(iVirtualKey, MAPVK_VK_TO_VSC, ::GetKeyboardLayout(0));
    LONG keyData = static_cast<LONG>((scanCode << 16) | 1);
    if (IsExtendedKey(iVirtualKey))
        keyData |= 1 << 24;
    wchar_t name[maxKeyName + 1] = {};
    ::GetKeyNameTextW(keyData, name, maxKeyName);
    CString text(name);
    text.MakeLower();
    for (int i = 0; i < text.GetLength(); ++i) {
        if (::IsCharLowerW(text[i])) {
            text.SetAt(i,
                       static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(
                           ::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(text[i]))))));
            break;
        }
    }
    return text;
}

void CGTKeyHelper::Format(CString& oText) const
{
    oText.Empty();
    if (m_Accel == nullptr)
        return;
    const struct {
        BYTE flag;
        UINT key;
    } modifiers[] = {{FCONTROL, VK_CONTROL}, {FSHIFT, VK_SHIFT}, {FALT, VK_MENU}};
    for (const auto& modifier : modifiers) {
        if (m_Accel->fVirt & modifier.flag)
            oText += KeyName(modifier.key) + L"+";
    }
    if (m_Accel->fVirt & FVIRTKEY)
        oText += KeyName(m_Accel->key);
    else if (m_Accel->key != VK_ESCAPE)
        oText += static_cast<wchar_t>(m_Accel->key);
}
