// What a user sees, on a real X display: a frame with a toolbar along its top (its middle
// command checked) whose Look menu switches through the five looks. One screenshot per look is kept beside the test as
// looks-<name>.bmp for people to look at; the toolbar's background on the screen is checked
// against what the look itself draws for that bar.
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/CGTVisualManagerVS2005.h>
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTWinXPVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/tests/TopToolBarFrame.h>
#include <gtest/gtest.h>
#include "LookTestSupport.h"
#include "LooksDemoIds.h"
#include "ScreenTestSupport.h"

namespace {

CRuntimeClass* const looks[] = {
    RUNTIME_CLASS(CGTVisualManager),     RUNTIME_CLASS(CGTVisualManagerXP),     RUNTIME_CLASS(CGTWinXPVisualManager),
    RUNTIME_CLASS(CGTVisualManager2003), RUNTIME_CLASS(CGTVisualManagerVS2005),
};

// The frame lives on the test's stack: its window's end does not delete it.
class LooksFrame : public TopToolBarFrame<> {
public:
    LooksFrame()
    {
        Create(nullptr, L"Looks", WS_OVERLAPPEDWINDOW, CRect(0, 0, 420, 160), nullptr, MAKEINTRESOURCE(IDR_LOOKS_DEMO));
        m_ToolBar.CreateEx(this);
        m_ToolBar.LoadToolBar(IDR_LOOKS_DEMO_BAR);
        RecalcLayout();
    }
    ~LooksFrame() override { DestroyWindow(); }

protected:
    void PostNcDestroy() override {}
    afx_msg void OnLook(UINT iId) { CGTVisualManager::SelectManagerClass(looks[iId - ID_LOOK_CLASSIC]); }
    afx_msg void OnDemoCommand(UINT) {}
    afx_msg void OnUpdateChecked(CCmdUI* ioCmdUI) { ioCmdUI->SetCheck(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LooksFrame, CFrameWnd)
    ON_COMMAND_RANGE(ID_LOOK_CLASSIC, ID_LOOK_VS2005, &LooksFrame::OnLook)
    ON_COMMAND_RANGE(ID_DEMO_FIRST, ID_DEMO_THIRD, &LooksFrame::OnDemoCommand)
    ON_UPDATE_COMMAND_UI(ID_DEMO_SECOND, &LooksFrame::OnUpdateChecked)
END_MESSAGE_MAP()

}  // namespace

TEST(LooksDemo, TheLookMenuRedrawsTheToolbarInEachLook)
{
    CWinApp app(L"LooksDemo");
    LooksFrame frame;
    app.m_pMainWnd = &frame;
    frame.ShowWindow(SW_SHOWNORMAL);
    const wchar_t* const names[] = {L"classic", L"office-xp", L"windows-xp", L"office-2003", L"vs2005"};
    for (UINT look = 0; look < 5; ++look) {
        frame.SendMessage(WM_COMMAND, ID_LOOK_CLASSIC + look);
        LetItDraw(app);
        CGTVisualManager* current = CGTVisualManager::GetCurrent();
        ASSERT_EQ(current->GetRuntimeClass(), looks[look]);

        CRect window, bar;
        frame.GetWindowRect(&window);
        frame.m_ToolBar.GetWindowRect(&bar);
        Screenshot shot(window);
        shot.Save(CString(L"looks-") + names[look] + L".bmp");

        // Right of the buttons, near the bar's top and bottom rows.
        CRect client;
        frame.m_ToolBar.GetClientRect(&client);
        TestCanvas drawn(client.Width(), client.Height());
        current->DrawBarBackground(&drawn.dc(), &frame.m_ToolBar, client, CRect());
        const CPoint top(client.right - 12, 2), bottom(client.right - 12, client.bottom - 3);
        CPoint topOnScreen = top, bottomOnScreen = bottom;
        frame.m_ToolBar.ClientToScreen(&topOnScreen);
        frame.m_ToolBar.ClientToScreen(&bottomOnScreen);
        const DWORD shownTop = shot.Pixel(topOnScreen.x, topOnScreen.y);
        const DWORD shownBottom = shot.Pixel(bottomOnScreen.x, bottomOnScreen.y);
        EXPECT_EQ(shownTop, ToPixel(drawn.Pixel(top.x, top.y))) << names[look];
        EXPECT_EQ(shownBottom, ToPixel(drawn.Pixel(bottom.x, bottom.y))) << names[look];

        const GuiToolkitGlobals& g = theGuiToolkitGlobals;
        switch (look) {
        case 0: {
            EXPECT_EQ(shownTop, ToPixel(g.colorBarFace));
            // The separator runs across the bar: an etched vertical line.
            CRect separator;
            frame.m_ToolBar.GetItemRect(1, &separator);
            frame.m_ToolBar.ClientToScreen(&separator);
            const CPoint middle = separator.CenterPoint();
            for (int y : {middle.y - 4, middle.y, middle.y + 4})
                EXPECT_EQ(shot.Pixel(middle.x - 1, y), ToPixel(g.colorBarShadow)) << y - middle.y;
            break;
        }
        case 1: {
            const CGTVisualManagerXP* office = static_cast<CGTVisualManagerXP*>(current);
            EXPECT_EQ(shownTop, ToPixel(office->colorBarBackground));
            // The checked button's fill, inside its frame and beside its image.
            CRect checked;
            frame.m_ToolBar.GetItemRect(frame.m_ToolBar.CommandToIndex(ID_DEMO_SECOND), &checked);
            frame.m_ToolBar.ClientToScreen(&checked);
            EXPECT_EQ(shot.Pixel(checked.left + 2, checked.top + 2), ToPixel(office->colorCheckedFill));
            break;
        }
        case 3:
        case 4: {
            // A gradient from the top row to the bottom one.
            EXPECT_NE(shownTop, shownBottom) << names[look];
            // Cut corners: the bottom corner is not the bar's edge line, which starts a pixel on.
            CPoint corner(0, client.bottom - 1);
            frame.m_ToolBar.ClientToScreen(&corner);
            EXPECT_NE(shot.Pixel(corner.x, corner.y), shot.Pixel(corner.x + 2, corner.y)) << names[look];
            break;
        }
        }
    }
    CGTVisualManager::SelectManagerClass(nullptr);
    app.m_pMainWnd = nullptr;
}
