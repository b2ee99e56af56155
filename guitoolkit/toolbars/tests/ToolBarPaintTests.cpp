#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include <string>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
std::vector<std::string>& PaintLog()
{
    static std::vector<std::string> log;
    return log;
}

// Records that the bar's background was asked for.
class BackgroundLook : public CGTVisualManager {
    DECLARE_DYNCREATE(BackgroundLook)
public:
    void DrawBarBackground(CDC*, IGTLookBar*, CRect, CRect) override { PaintLog().push_back("background"); }
};
IMPLEMENT_DYNCREATE(BackgroundLook, CGTVisualManager)

// Records each button it draws with the strip it was given.
class StripRecordingBar : public LayoutBar {
public:
    explicit StripRecordingBar(CWnd& iParent) : LayoutBar(iParent, 300, {}) {}
    void DrawButtonItem(CDC*, CGTToolbarButton* iButton, CGTToolBarImages* iImages, BOOL, BOOL iGrayDisabled) override
    {
        std::string strip = "none";
        if (iImages == &ImagesOf(GTToolBarImageKind::ColdImages))
            strip = "cold";
        else if (iImages == &ImagesOf(GTToolBarImageKind::DisabledImages))
            strip = "disabled";
        else if (iImages == &ImagesOf(GTToolBarImageKind::Images))
            strip = "normal";
        PaintLog().push_back(std::to_string(iButton->m_CommandId - ID_GT_TEST_FIRST) + strip +
                             (iGrayDisabled ? "-gray" : ""));
    }
};
}  // namespace

TEST(ToolBarPaint, TheBackgroundComesFirstThenEachButtonFromItsStrip)
{
    TestParent parent;
    StripRecordingBar bar(parent);
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR, IDR_GT_TEST_BAR, 0, TRUE, IDR_GT_TEST_BAR));
    bar.RecalcButtonLayout();
    bar.GetButton(2)->m_Style |= TBBS_DISABLED;
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(bar.GetButton(3)->Rect().left + 2, 5));
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(BackgroundLook));
    CClientDC screen(&bar);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 300, 40);
    CBitmap* previous = memory.SelectObject(&bitmap);
    PaintLog().clear();
    bar.DrawBackground(&memory);
    memory.SelectObject(previous);
    CGTVisualManager::SelectManagerClass(nullptr);
    // The first button is cold, the second disabled, the third hot.
    EXPECT_EQ((std::vector<std::string>{"background", "0cold", "1disabled-gray", "2normal"}), PaintLog());
}
