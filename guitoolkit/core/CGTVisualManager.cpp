#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitHooks.h>

IMPLEMENT_DYNCREATE(CGTVisualManager, CObject)

namespace {
CGTVisualManager* theCurrentVisualManager = nullptr;
CRuntimeClass* theVisualManagerClass = nullptr;

void DestroyAutoDeleted()
{
    CGTVisualManager::DestroyInstance(TRUE);
}

const bool cleanUpInstalled = (SetGuiToolkitHook(GTModuleHook::VisualManagerCleanUp, &DestroyAutoDeleted), true);

const UINT redrawAllFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
}  // namespace

CGTVisualManager::CGTVisualManager(BOOL isTemporary)
    : IsLook2000(FALSE), MenuShadowDepth(6), JoinedPopups(FALSE), FlatOpenMenuButtons(FALSE), RaiseHotImages(FALSE),
      EmbossDisabled(TRUE), FadeImages(FALSE), FillCheckedButtons(TRUE),
      IsTemporary(isTemporary), TasksPaneMetrics{12, 12, 15, 25, 13, 7, 12, 5, 4}, MenuStyleFlag(FALSE),
      MenuScrollPadding(2), ActiveTabsOnWindowColor(FALSE), GridMarkerColor(RGB(255, 255, 0)),
      GridLineColor(RGB(128, 128, 128)), AutoDelete(FALSE), DefaultItemColor(static_cast<COLORREF>(-1))
{
    (void)cleanUpInstalled;
    if (!IsTemporary) {
        if (theCurrentVisualManager == nullptr)
            theCurrentVisualManager = this;
        if (ClientHooks().setDockingLookSwitches != nullptr)
            ClientHooks().setDockingLookSwitches(TRUE, FALSE, TRUE);
        theGuiToolkitGlobals.UpdateSysColors();
    }
    theToolkitAppearanceChanged = TRUE;
    CGTVisualManager::UpdateColors();
}

CGTVisualManager::~CGTVisualManager()
{
    // Only the current manager's own pointer is cleared: another manager that is current
    // stays so (and is not leaked or replaced by a second one).
    if (!IsTemporary && theCurrentVisualManager == this)
        theCurrentVisualManager = nullptr;
    DitherBrush.DeleteObject();
}

GTLookClientHooks& CGTVisualManager::ClientHooks()
{
    static GTLookClientHooks hooks = {};
    return hooks;
}

CGTVisualManager* CGTVisualManager::GetCurrent()
{
    if (theCurrentVisualManager != nullptr)
        return theCurrentVisualManager;
    CGTVisualManager* manager = theVisualManagerClass != nullptr
        ? static_cast<CGTVisualManager*>(theVisualManagerClass->CreateObject())
        : new CGTVisualManager;
    theCurrentVisualManager = manager;
    manager->AutoDelete = TRUE;
    manager->UpdateColors();
    return manager;
}

void CGTVisualManager::SelectManagerClass(CRuntimeClass* managerClass)
{
    if (managerClass != nullptr && !managerClass->IsDerivedFrom(RUNTIME_CLASS(CGTVisualManager)))
        return;
    theVisualManagerClass = managerClass;
    delete theCurrentVisualManager;
    theCurrentVisualManager = nullptr;

    theGuiToolkitGlobals.UpdateSysColors();
    const GTLookClientHooks& hooks = ClientHooks();
    if (hooks.setDockingMode != nullptr)
        hooks.setDockingMode(2);
    if (hooks.applyTabStyleToAll != nullptr)
        hooks.applyTabStyleToAll();
    ReapplyToolbarLook();
    RedrawAll();
}

CRuntimeClass* CGTVisualManager::GetManagerClass()
{
    return theVisualManagerClass;
}

void CGTVisualManager::DestroyInstance(BOOL autoDeleteOnly)
{
    if (theCurrentVisualManager == nullptr || (autoDeleteOnly && !theCurrentVisualManager->AutoDelete))
        return;
    delete theCurrentVisualManager;
    theCurrentVisualManager = nullptr;
}

void CGTVisualManager::RedrawAll()
{
    if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow != nullptr && mainWindow->GetSafeHwnd() != nullptr)
        mainWindow->RedrawWindow(nullptr, nullptr, redrawAllFlags);
    const GTLookClientHooks& hooks = ClientHooks();
    if (hooks.redrawAllToolbars != nullptr)
        hooks.redrawAllToolbars(redrawAllFlags);
    if (hooks.redrawAllMiniFrames != nullptr)
        hooks.redrawAllMiniFrames();
}

void CGTVisualManager::ReapplyToolbarLook()
{
    if (ClientHooks().reapplyToolbarLook != nullptr)
        ClientHooks().reapplyToolbarLook();
}

void CGTVisualManager::SetLook2000(BOOL look2000)
{
    IsLook2000 = look2000;
    if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow != nullptr && mainWindow->GetSafeHwnd() != nullptr)
        mainWindow->RedrawWindow(nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
    RedrawAll();
}

CSize CGTVisualManager::GetMenuImageSize() const
{
    CGTMenuGlyphs::Initialize();
    return CGTMenuGlyphs::GetSize();
}

CSize CGTVisualManager::GetMenuItemImageSize()
{
    return ClientHooks().menuImageSize != nullptr ? ClientHooks().menuImageSize() : CSize(16, 15);
}

CSize CGTVisualManager::GetCaptionButtonDefaultSize()
{
    const CSize extra = GetCaptionButtonExtraSize();
    const CSize glyph = GetMenuImageSize();
    return CSize(extra.cx + glyph.cx + 2 * ::GetSystemMetrics(SM_CXBORDER),
                 extra.cy + glyph.cy + 2 * ::GetSystemMetrics(SM_CYBORDER));
}

CRect CGTVisualManager::GetCaptionButtonRect(const IGTLookCaptionButton& button)
{
    const CSize size = button.IsHidden() ? CSize(0, 0) : GetCaptionButtonDefaultSize();
    return CRect(button.GetPosition(), size);
}

BOOL CGTVisualManager::IsThemed() const
{
    return FALSE;
}

void CGTVisualManager::UpdateColors()
{
    GridMarkerColor = RGB(255, 255, 0);
    GridLineColor = RGB(128, 128, 128);
}
