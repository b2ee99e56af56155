#include <gtest/gtest.h>
#include <guitoolkit/core/CGTMemDC.h>
#include "LookTestSupport.h"

namespace {
const COLORREF before = RGB(1, 2, 3);
const COLORREF painted = RGB(200, 10, 20);

void PaintAll(CDC& dc)
{
    dc.FillSolidRect(0, 0, 20, 20, painted);
}

TEST(MemDC, CopiesOnlyTheClipBoxOfTheTarget)
{
    TestCanvas canvas(20, 20, before);
    CRgn clip;
    clip.CreateRectRgn(5, 5, 10, 10);
    canvas.dc().SelectClipRgn(&clip);
    {
        CGTMemDC memDC(canvas.dc(), CRect(0, 0, 20, 20));
        ASSERT_TRUE(memDC.IsMemDCInUse());
        EXPECT_NE(&memDC.GetDC(), &canvas.dc());
        PaintAll(memDC.GetDC());
        EXPECT_EQ(canvas.Pixel(6, 6), before);
    }
    canvas.dc().SelectClipRgn(nullptr);
    EXPECT_EQ(canvas.Count(CRect(5, 5, 10, 10), painted), 25);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 20, 20), painted), 25);
}

TEST(MemDC, ARectangleAwayFromTheOriginKeepsEveryPixelAndOnlyThose)
{
    TestCanvas canvas(40, 40, before);
    const CRect rect(10, 10, 30, 30);
    {
        CGTMemDC memDC(canvas.dc(), rect);
        ASSERT_TRUE(memDC.IsMemDCInUse());
        memDC.GetDC().FillSolidRect(0, 0, 40, 40, painted);
        memDC.GetDC().SetPixel(10, 10, before);
    }
    EXPECT_EQ(canvas.Count(rect, painted), 399);
    EXPECT_EQ(canvas.Pixel(10, 10), before);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), painted), 399);
}

TEST(MemDC, CopiesNothingForAnEmptyClipRegion)
{
    TestCanvas canvas(20, 20, before);
    CRgn empty;
    empty.CreateRectRgn(0, 0, 0, 0);
    canvas.dc().SelectClipRgn(&empty);
    {
        CGTMemDC memDC(canvas.dc(), CRect(0, 0, 20, 20));
        PaintAll(memDC.GetDC());
    }
    canvas.dc().SelectClipRgn(nullptr);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 20, 20), before), 400);
}

TEST(MemDC, DrawsStraightOntoTheTargetWhenSwitchedOff)
{
    TestCanvas canvas(20, 20, before);
    CGTMemDC::UseMemoryDC = FALSE;
    {
        CGTMemDC memDC(canvas.dc(), CRect(0, 0, 20, 20));
        EXPECT_FALSE(memDC.IsMemDCInUse());
        EXPECT_EQ(&memDC.GetDC(), &canvas.dc());
        PaintAll(memDC.GetDC());
        EXPECT_EQ(canvas.Pixel(19, 19), painted);
    }
    CGTMemDC::UseMemoryDC = TRUE;
}

TEST(MemDC, CoversAWindowsClientArea)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 30, 16), nullptr, 0));
    TestCanvas canvas(40, 40, before);
    {
        CGTMemDC memDC(canvas.dc(), &window);
        memDC.GetDC().FillSolidRect(0, 0, 40, 40, painted);
    }
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), painted), 30 * 16);
    window.DestroyWindow();
}
}  // namespace
