#include <guitoolkit/docking/GTWindowUpdateLock.h>

namespace {
int depth = 0;
HWND locked = nullptr;
}  // namespace

void GTWindowUpdateLock::Acquire(HWND iWindow)
{
    if (depth++ == 0) {
        locked = iWindow;
        ::LockWindowUpdate(iWindow);
    }
}

BOOL GTWindowUpdateLock::Release()
{
    if (depth == 0)
        return FALSE;
    if (--depth == 0) {
        locked = nullptr;
        ::LockWindowUpdate(nullptr);
    }
    return TRUE;
}

HWND GTWindowUpdateLock::LockedWindow()
{
    return locked;
}

int GTWindowUpdateLock::Depth()
{
    return depth;
}
