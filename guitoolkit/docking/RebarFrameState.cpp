#include <guitoolkit/docking/RebarFrameState.h>
#include <guitoolkit/core/RebarState.h>
#include <guitoolkit/docking/CGTReBar.h>

namespace {
typedef BOOL (*RebarStep)(LPCWSTR iSection, HWND iRebar);

struct RebarWalk {
    LPCWSTR section;
    RebarStep step;
    BOOL result;
};

BOOL CALLBACK VisitChild(HWND iWindow, LPARAM ioWalk)
{
    auto& walk = *reinterpret_cast<RebarWalk*>(ioWalk);
    CWnd* window = CWnd::FromHandlePermanent(iWindow);
    if (window == nullptr || !window->IsKindOf(RUNTIME_CLASS(CGTReBar)))
        return TRUE;
    walk.result = walk.step(walk.section, iWindow);
    return walk.result;
}

BOOL WalkRebars(LPCWSTR iSection, CWnd* iFrame, RebarStep iStep)
{
    RebarWalk walk = {iSection, iStep, TRUE};
    if (iFrame != nullptr && iFrame->GetSafeHwnd() != nullptr)
        ::EnumChildWindows(iFrame->GetSafeHwnd(), &VisitChild, reinterpret_cast<LPARAM>(&walk));
    return walk.result;
}
}  // namespace

BOOL SaveRebarState(LPCWSTR iSection, CWnd* iFrame)
{
    return WalkRebars(iSection, iFrame, &SaveRebarWindowState);
}

BOOL LoadRebarState(LPCWSTR iSection, CWnd* iFrame)
{
    return WalkRebars(iSection, iFrame, &LoadRebarWindowState);
}
