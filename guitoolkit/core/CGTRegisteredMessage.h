// A window message registered by name for the whole process. The number is taken with
// RegisterWindowMessageW on first use, so the message is ready for any static
// initialiser of any file. Senders use it as a UINT; a message-map entry takes its address
// (ON_REGISTERED_MESSAGE), which is the number a message must carry to match. A name
// that could not be registered reads as 0 but matches no message at all, where 0 would
// match WM_NULL.
#pragma once
#include <afxwin.h>

class CGTRegisteredMessage {
public:
    explicit constexpr CGTRegisteredMessage(LPCWSTR name) : m_name(name), m_registered(false), m_id(0), m_key(0) {}
    CGTRegisteredMessage(const CGTRegisteredMessage&) = delete;
    CGTRegisteredMessage& operator=(const CGTRegisteredMessage&) = delete;

    LPCWSTR Name() const { return m_name; }
    UINT Id() const;
    operator UINT() const { return Id(); }
    // The message-map key: the number, or one that no window message carries.
    const UINT* operator&() const;

    // Above every message number a window can receive.
    static const UINT neverMatches = 0xFFFFFFFF;

private:
    void Register() const;

    LPCWSTR m_name;
    mutable bool m_registered;
    mutable UINT m_id;
    mutable UINT m_key;
};
