#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitHooks.h>

namespace {
GTMiniFrameOwnerQuery miniFrameOwnerQuery = nullptr;

CWnd* StepUp(CWnd* window)
{
    HWND owner = nullptr;
    if (miniFrameOwnerQuery != nullptr && miniFrameOwnerQuery(window, &owner))
        return CWnd::FromHandlePermanent(owner);
    return CWnd::FromHandle(::GetParent(window->GetSafeHwnd()));
}
}  // namespace

CString RegisterLibraryWindowClass(LPCWSTR prefix)
{
    HINSTANCE instance = AfxGetInstanceHandle();
    HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    const UINT style = CS_DBLCLKS;
    const UINT_PTR background = COLOR_BTNFACE + 1;
    CString name;
    name.Format(L"%s:%x:%x:%x:%x", prefix, static_cast<UINT>(reinterpret_cast<UINT_PTR>(instance)), style,
                static_cast<UINT>(reinterpret_cast<UINT_PTR>(arrow)), static_cast<UINT>(background));

    WNDCLASSW windowClass;
    if (::GetClassInfoW(instance, name, &windowClass))
        return name;
    ZeroMemory(&windowClass, sizeof(windowClass));
    windowClass.style = style;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = arrow;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(background);
    windowClass.lpszClassName = name;
    if (!::RegisterClassW(&windowClass))
        AfxThrowResourceException();
    return name;
}

GTMiniFrameOwnerQuery SetMiniFrameOwnerQuery(GTMiniFrameOwnerQuery query)
{
    GTMiniFrameOwnerQuery previous = miniFrameOwnerQuery;
    miniFrameOwnerQuery = query;
    return previous;
}

CWnd* GetOwningFrameWindow(CWnd* window)
{
    if (window == nullptr || window->GetSafeHwnd() == nullptr)
        return nullptr;
    for (CWnd* current = StepUp(window); current != nullptr; current = StepUp(current)) {
        if (current->IsFrameWnd())
            return current;
    }
    return nullptr;
}

void CleanUpGuiToolkit()
{
    theGuiToolkitGlobals.ReleaseResources();
    RunGuiToolkitHook(GTModuleHook::MenuHashCleanUp);
    RunGuiToolkitHook(GTModuleHook::ToolBarCleanUp);
    RunGuiToolkitHook(GTModuleHook::MenuGlyphsCleanUp);
    RunGuiToolkitHook(GTModuleHook::CommandManagerCleanUp);
    RunGuiToolkitHook(GTModuleHook::KeyboardCleanUp);
    RunGuiToolkitHook(GTModuleHook::VisualManagerCleanUp);
    CGTToolBarImages::ReleaseSharedResources();
}
