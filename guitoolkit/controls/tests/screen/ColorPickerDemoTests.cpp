#include <guitoolkit/controls/CGTColorPickerCtrl.h>
#include <gtest/gtest.h>
#include <memory>
#include "../ControlsTestSupport.h"
#include "ScreenSupport.h"

// The five kinds side by side on a shown window, as a person sees them.
TEST(ColorPickerDemo, TheFiveKindsDraw)
{
    ParentWindow parent(CRect(20, 20, 740, 220), WS_POPUP | WS_VISIBLE);
    const CRect places[5] = {
        {10, 10, 60, 110}, {70, 10, 130, 190}, {140, 10, 320, 190}, {330, 10, 510, 190}, {520, 60, 710, 104}};
    std::unique_ptr<CGTColorPickerCtrl> pickers[5];
    for (int kind = 0; kind < 5; ++kind) {
        pickers[kind] = std::make_unique<CGTColorPickerCtrl>();
        pickers[kind]->SetType(kind);
        pickers[kind]->Create(L"", WS_CHILD | WS_VISIBLE, places[kind], &parent, 300 + kind);
    }
    pickers[0]->SetOriginalColor(RGB(0, 0, 255));
    pickers[0]->SetColor(RGB(255, 0, 0));
    pickers[1]->SetColor(RGB(0, 160, 0));
    pickers[2]->SetColor(RGB(200, 100, 50));
    pickers[3]->SetColor(RGB(255, 255, 255));
    pickers[4]->SetColor(RGB(0, 0, 0));
    LetItDraw();
    CGTDibSection shot;
    ASSERT_TRUE(TakeScreenshot(parent, shot));
    ASSERT_TRUE(SaveBitmap(shot, L"color-picker-demo.bmp"));
    EXPECT_EQ(RGB(255, 0, 0), CGTDibSection::Swap(*shot.PixelAt(35, 30) & 0xFFFFFF));
    EXPECT_EQ(RGB(0, 0, 255), CGTDibSection::Swap(*shot.PixelAt(35, 90) & 0xFFFFFF));
    EXPECT_GT(CountColors(shot), 1000u);
}
