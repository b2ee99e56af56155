#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTVisualManagerVS2005.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTCaptionBar.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTDummyDockingControlBar.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/docking/CGTPropertySheet.h>
#include <guitoolkit/docking/CGTTaskPaneMiniFrameWnd.h>
#include <guitoolkit/docking/CGTToolBox.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
const UINT versionable2 = VERSIONABLE_SCHEMA | 2;
const UINT noSchema = 0xFFFF;

struct ClassRecord {
    CRuntimeClass* type;
    CRuntimeClass* base;
    bool creatable;
    UINT schema;
};

// Serializable classes are entered by name in the list of run-time classes.
const ClassRecord dockingClasses[] = {
    {RUNTIME_CLASS(CGTBaseControlBar), RUNTIME_CLASS(CWnd), false, noSchema},
    {RUNTIME_CLASS(CGTControlBar), RUNTIME_CLASS(CGTBaseControlBar), false, noSchema},
    {RUNTIME_CLASS(CGTDockBarRow), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTDockBar), RUNTIME_CLASS(CGTBaseControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTAutoHideDockBar), RUNTIME_CLASS(CGTDockBar), true, noSchema},
    {RUNTIME_CLASS(CGTDockManager), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTRecentContainerInfo), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTRecentDockInfo), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTDummyDockingControlBar), RUNTIME_CLASS(CGTDockingControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTToolBoxButton), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTToolBoxPage), RUNTIME_CLASS(CGTControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTToolBoxBar), RUNTIME_CLASS(CGTOutlookBar), true, noSchema},
    {RUNTIME_CLASS(CGTToolBox), RUNTIME_CLASS(CGTDockingControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTToolBoxEx), RUNTIME_CLASS(CGTTasksPane), true, noSchema},
    {RUNTIME_CLASS(CGTDockingControlBar), RUNTIME_CLASS(CGTControlBar), true, versionable2},
    {RUNTIME_CLASS(CGTCaptionButton), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTCaptionMenuButton), RUNTIME_CLASS(CGTCaptionButton), false, noSchema},
    {RUNTIME_CLASS(CGTSlider), RUNTIME_CLASS(CGTBaseControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTSmartDockingManager), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTSmartDockingMarker), RUNTIME_CLASS(CObject), true, noSchema},
    {RUNTIME_CLASS(CGTMarkerBmpWnd), RUNTIME_CLASS(CWnd), false, noSchema},
    {RUNTIME_CLASS(CGTSDCentralGroup), RUNTIME_CLASS(CObject), true, noSchema},
    {RUNTIME_CLASS(CGTSDCentralGroupMarker), RUNTIME_CLASS(CGTSmartDockingMarker), true, noSchema},
    {RUNTIME_CLASS(CGTCentralGroupWnd), RUNTIME_CLASS(CWnd), false, noSchema},
    {RUNTIME_CLASS(CGTSDPlaceMarkerWnd), RUNTIME_CLASS(CWnd), false, noSchema},
    {RUNTIME_CLASS(CGTDockingCBWrapper), RUNTIME_CLASS(CGTDockingControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTCaptionBar), RUNTIME_CLASS(CGTControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTBarContainer), RUNTIME_CLASS(CObject), true, noSchema},
    {RUNTIME_CLASS(CGTBarContainerManager), RUNTIME_CLASS(CObject), true, noSchema},
    {RUNTIME_CLASS(CGTMultiMiniFrameWnd), RUNTIME_CLASS(CGTMiniFrameWnd), true, VERSIONABLE_SCHEMA | 3},
    {RUNTIME_CLASS(CGTTaskPaneMiniFrameWnd), RUNTIME_CLASS(CGTMiniFrameWnd), true, versionable2},
    {RUNTIME_CLASS(CGTAppBarWnd), RUNTIME_CLASS(CWnd), false, noSchema},
    {RUNTIME_CLASS(CGTMiniFrameWnd), RUNTIME_CLASS(CWnd), true, versionable2},
    {RUNTIME_CLASS(CGTAutoHideButton), RUNTIME_CLASS(CObject), true, noSchema},
    {RUNTIME_CLASS(CGTAutoHideToolBar), RUNTIME_CLASS(CGTControlBar), true, noSchema},
    {RUNTIME_CLASS(CGTBaseTabbedBar), RUNTIME_CLASS(CGTDockingControlBar), false, noSchema},
    {RUNTIME_CLASS(CGTTabbedControlBar), RUNTIME_CLASS(CGTBaseTabbedBar), true, versionable2},
    {RUNTIME_CLASS(CGTTabInfo), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTRestoredTabInfo), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTTabDropTarget), RUNTIME_CLASS(COleDropTarget), false, noSchema},
    {RUNTIME_CLASS(CGTBaseTabWnd), RUNTIME_CLASS(CWnd), false, noSchema},
    {RUNTIME_CLASS(CGTTabWnd), RUNTIME_CLASS(CGTBaseTabWnd), true, noSchema},
    {RUNTIME_CLASS(CGTTabButton), RUNTIME_CLASS(CGTButton), true, noSchema},
    {RUNTIME_CLASS(CGTPropertyPage), RUNTIME_CLASS(CPropertyPage), true, noSchema},
    {RUNTIME_CLASS(CGTPropSheetCategory), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTPropSheetTab), RUNTIME_CLASS(CGTTabWnd), false, noSchema},
    {RUNTIME_CLASS(CGTPropSheetPane), RUNTIME_CLASS(CGTOutlookBarPane), false, noSchema},
    {RUNTIME_CLASS(CGTPropertySheet), RUNTIME_CLASS(CPropertySheet), false, noSchema},
    {RUNTIME_CLASS(CGTMainClientAreaWnd), RUNTIME_CLASS(CWnd), false, noSchema},
    {RUNTIME_CLASS(CGTOutlookButton), RUNTIME_CLASS(CGTToolbarButton), true, 1},
    {RUNTIME_CLASS(CGTOutlookBarPane), RUNTIME_CLASS(CGTToolBar), true, 1},
    {RUNTIME_CLASS(CGTOutlookSrcrollButton), RUNTIME_CLASS(CGTButton), true, noSchema},
    {RUNTIME_CLASS(CGTOutlookWnd), RUNTIME_CLASS(CGTBaseTabWnd), true, noSchema},
    {RUNTIME_CLASS(CGTOutlookBar), RUNTIME_CLASS(CGTBaseTabbedBar), true, 1},
    {RUNTIME_CLASS(CGTOutlookBarDockingPane), RUNTIME_CLASS(CGTDockingCBWrapper), true, noSchema},
    {RUNTIME_CLASS(CGTTasksPanePage), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTTask), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CGTTasksGroup), RUNTIME_CLASS(CObject), false, noSchema},
    {RUNTIME_CLASS(CTasksPaneToolBar), RUNTIME_CLASS(CGTToolBar), false, noSchema},
    {RUNTIME_CLASS(CGTTasksPane), RUNTIME_CLASS(CGTDockingControlBar), true, noSchema},
};
}  // namespace

TEST(DockingClasses, EachHasItsBaseItsCreationAndItsSchema)
{
    for (const ClassRecord& record : dockingClasses) {
        const CRuntimeClass* type = record.type;
        EXPECT_EQ(record.base, type->m_pBaseClass) << type->m_lpszClassName;
        EXPECT_EQ(record.creatable, type->m_pfnCreateObject != nullptr) << type->m_lpszClassName;
        EXPECT_EQ(record.schema, type->m_wSchema) << type->m_lpszClassName;
        if (record.schema != noSchema) {
            EXPECT_EQ(type, CRuntimeClass::FromName(type->m_lpszClassName)) << type->m_lpszClassName;
        }
        if (record.creatable) {
            CObject* made = type->m_pfnCreateObject();
            EXPECT_TRUE(made->IsKindOf(type)) << type->m_lpszClassName;
            delete made;
        }
    }
}

TEST(DockingClasses, FactoriesAndProcessWideValuesStartAtTheirDefaults)
{
    EXPECT_EQ(RUNTIME_CLASS(CGTTabWnd), CGTTabbedControlBar::s_TabWindowClass);
    EXPECT_EQ(RUNTIME_CLASS(CGTSlider), CGTSlider::s_SliderClass);
    EXPECT_EQ(RUNTIME_CLASS(CGTBarContainerManager), CGTSlider::s_ContainerManagerClass);
    const CGTSmartDockingParams& params = CGTDockManager::s_smartDockingParams;
    EXPECT_EQ(CSize(93, 93), params.m_CentralGroupSize);
    EXPECT_EQ(5, params.m_CentralGroupOffset);
    EXPECT_EQ(RGB(255, 0, 255), params.m_TransparentColor);
    EXPECT_EQ(static_cast<COLORREF>(-1), params.m_ToneSource);
    EXPECT_EQ(0u, params.m_MarkerHotBitmaps[4]);
    EXPECT_FALSE(params.m_UseSystemHighlight);
    EXPECT_EQ(15, CGTDockManager::s_nDockMargin);
    EXPECT_EQ(-2, CGTDummyDockingControlBar::s_PlaceholderId);
    EXPECT_FALSE(CGTBaseControlBar::s_UsePaintLock);
}

TEST(DockingClasses, ChoosingALookSetsTheDockingModeAndTheDockingSwitches)
{
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManagerVS2005));
    CGTVisualManager::GetCurrent();
    EXPECT_EQ(0x81, CGTDockManager::s_nDockingMode);
    EXPECT_TRUE(CGTDockingControlBar::s_ShowWindowPositionButton);
    EXPECT_FALSE(CGTAutoHideButton::s_DrawBorder);
    CGTVisualManager::SelectManagerClass(nullptr);
    CGTVisualManager::GetCurrent();
    EXPECT_EQ(GTDockingStandard, CGTDockManager::s_nDockingMode);
    EXPECT_FALSE(CGTDockingControlBar::s_ShowWindowPositionButton);
    EXPECT_TRUE(CGTAutoHideButton::s_DrawBorder);
    CGTDockManager::SetDockingMode(GTDockingImmediate);
    EXPECT_EQ(GTDockingImmediate, CGTDockManager::s_nDockingMode);
    CGTDockManager::SetDockingMode(GTDockingStandard);
}

TEST(DockingClasses, TheDockManagerOfAFrameIsFoundThroughItsMiniFramesButNotThroughDialogs)
{
    TestDockingFrame frame;
    EXPECT_EQ(&frame.m_DockManager, GetDockManagerOfFrame(&frame));
    auto* mini = new CountingMiniFrame(frame, 1);
    EXPECT_EQ(&frame.m_DockManager, GetDockManagerOfFrame(mini));
    FixedBar bar(frame, CSize(50, 20));
    EXPECT_EQ(nullptr, GetDockManagerOfFrame(&bar));
    EXPECT_EQ(nullptr, GetDockManagerOfFrame(nullptr));

    CDialog dialog;
    theGlobalUtils.m_DialogsAreOwners = FALSE;
    EXPECT_EQ(nullptr, GetDockManagerOfFrame(&dialog));
    EXPECT_TRUE(theGlobalUtils.m_DialogsAreOwners);
    theGlobalUtils.m_DialogsAreOwners = FALSE;
    mini->DestroyWindow();
}

TEST(DockingClasses, ABarLaysOutItsOwnerFrameThroughTheFrameOrItsMiniFrame)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20));
    const int before = frame.m_Layouts;
    bar.AdjustOwnerLayout(FALSE);
    EXPECT_EQ(before + 1, frame.m_Layouts);
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    FixedBar loose(plain, CSize(50, 20));
    EXPECT_EQ(nullptr, loose.FindOwnerFrame());
    loose.AdjustOwnerLayout(FALSE);
    EXPECT_EQ(before + 1, frame.m_Layouts);
    loose.DestroyWindow();
    plain.DestroyWindow();
}
