#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>

namespace {
struct KeyboardState {
    KeyboardState() { ::GetKeyboardState(keys); }
    BYTE keys[256] = {};
};

// The characters the key types in the thread's layout; ToUnicodeEx's count.
int Translate(UINT virtualKey, const KeyboardState& state, wchar_t (&characters)[2], UINT flags)
{
    return ::ToUnicodeEx(virtualKey, ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC), state.keys, characters, 2, flags,
                         ::GetKeyboardLayout(0));
}
}  // namespace

BOOL VirtualKeyProducesChar(UINT iVirtualKey)
{
    wchar_t characters[2] = {};
    return Translate(iVirtualKey, KeyboardState(), characters, 0) > 0;
}

UINT NormalizeAcceleratorKey(UINT iVirtualKey)
{
    // Virtual keys are no characters: F1 to F11 and the keypad's operators share their codes
    // with small letters, and would stand for the capital ones after a toupper.
    if (iVirtualKey < VK_NUMPAD0 || iVirtualKey > VK_NUMPAD9 || CGTKeyState::Current().IsDown(VK_MENU))
        return iVirtualKey;
    // The keypad sends its digit keys only while Num Lock is on, whatever the state says.
    KeyboardState state;
    state.keys[VK_NUMLOCK] |= 1;
    wchar_t characters[2] = {};
    if (Translate(iVirtualKey, state, characters, 1) <= 0)
        return iVirtualKey;
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(characters[0]))));
}
