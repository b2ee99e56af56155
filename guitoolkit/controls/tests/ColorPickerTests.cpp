#include <guitoolkit/controls/CCellObj.h>
#include <guitoolkit/controls/CGTColorPickerCtrl.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <gtest/gtest.h>
#include <vector>
#include "ControlsTestSupport.h"

namespace {
const UINT pickerId = 300;

// A picker that records which keys reached the button's default handling.
class RecordingPicker : public CGTColorPickerCtrl {
public:
    std::vector<WPARAM> m_DefaultKeys;

protected:
    LRESULT DefWindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_KEYDOWN)
            m_DefaultKeys.push_back(iWParam);
        return CGTColorPickerCtrl::DefWindowProc(iMessage, iWParam, iLParam);
    }
};

struct PickerFixture {
    explicit PickerFixture(int iKind, const CRect& iRect = CRect(0, 0, 130, 130))
    {
        m_Picker.SetType(iKind);
        m_Picker.Create(L"", WS_CHILD | WS_VISIBLE, iRect, &m_Parent, pickerId);
    }
    ParentWindow m_Parent;
    RecordingPicker m_Picker;
};

const CCellObj& CellAt(CGTColorPickerCtrl& iPicker, int iIndex)
{
    return *static_cast<const CCellObj*>(iPicker.GetCells()[iIndex]);
}

int Brightness(COLORREF iColor)
{
    return GetRValue(iColor) + GetGValue(iColor) + GetBValue(iColor);
}
}  // namespace

TEST(ColorPicker, CellHexagonAndSnapping)
{
    const CCellObj cell(CPoint(50, 40), 20, RGB(1, 2, 3), 0, nullptr);
    const POINT expected[6] = {{40, 35}, {50, 30}, {60, 35}, {60, 45}, {50, 50}, {40, 45}};
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(expected[index].x, cell.m_Corners[index].x) << index;
        EXPECT_EQ(expected[index].y, cell.m_Corners[index].y) << index;
    }
    EXPECT_TRUE(cell.HitTest(CPoint(50, 40)));
    EXPECT_FALSE(cell.HitTest(CPoint(41, 31)));

    struct Case {
        int value, tolerance, snapped;
    } cases[] = {{200, 16, 192}, {230, 16, 230}, {10, 16, 0},   {250, 16, 255},
                 {130, 16, 128}, {100, 0, 100},  {195, 7, 192}, {135, 7, 135}};
    for (const Case& c : cases)
        EXPECT_EQ(c.snapped, CCellObj::SnapChannel(c.value, c.tolerance)) << c.value << " " << c.tolerance;
    EXPECT_EQ(RGB(192, 230, 0), CCellObj::SnapColor(RGB(200, 230, 5), 16));
}

TEST(ColorPicker, HoneycombHasLightInnerRings)
{
    PickerFixture fixture(CGTColorPickerCtrl::Honeycomb);
    ASSERT_EQ(127, fixture.m_Picker.GetCells().GetSize());
    EXPECT_EQ(RGB(255, 255, 255), CellAt(fixture.m_Picker, 0).m_Color);
    EXPECT_EQ(CPoint(65, 65), CPoint(CellAt(fixture.m_Picker, 0).m_X, CellAt(fixture.m_Picker, 0).m_Y));
    // Ring r holds 6r cells, starting after the 3r(r-1) + 1 cells inside it.
    auto ringBrightness = [&](int iRing) {
        int sum = 0;
        for (int index = 0; index < 6 * iRing; ++index)
            sum += Brightness(CellAt(fixture.m_Picker, 1 + 3 * iRing * (iRing - 1) + index).m_Color);
        return sum / (6 * iRing);
    };
    for (int ring = 1; ring < 6; ++ring)
        EXPECT_GT(ringBrightness(ring), ringBrightness(ring + 1)) << ring;
    // The first cell of ring 1 lies right of the centre, hue 0: a light red.
    const COLORREF first = CellAt(fixture.m_Picker, 1).m_Color;
    EXPECT_EQ(255, GetRValue(first));
    EXPECT_LT(GetGValue(first), 255);
}

TEST(ColorPicker, GreyRowFromWhiteToBlack)
{
    PickerFixture fixture(CGTColorPickerCtrl::GreyCells, CRect(0, 0, 260, 44));
    ASSERT_EQ(17, fixture.m_Picker.GetCells().GetSize());
    // 195 lies within the tolerance of 192.
    const int levels[17] = {255, 240, 225, 210, 192, 180, 165, 150, 135, 120, 105, 90, 75, 60, 45, 30, 0};
    for (int index = 0; index < 17; ++index)
        EXPECT_EQ(RGB(levels[index], levels[index], levels[index]), CellAt(fixture.m_Picker, index).m_Color) << index;
    EXPECT_EQ(2 * CellAt(fixture.m_Picker, 1).m_Size, CellAt(fixture.m_Picker, 0).m_Size);
    EXPECT_LT(CellAt(fixture.m_Picker, 1).m_Y, CellAt(fixture.m_Picker, 2).m_Y);
}

TEST(ColorPicker, LuminanceKeysStopAtTheEnds)
{
    PickerFixture fixture(CGTColorPickerCtrl::LuminanceBar);
    fixture.m_Picker.SetHLS(0.0, 1.0, 1.0);
    fixture.m_Picker.SendMessage(WM_KEYDOWN, VK_UP, 0);
    double hue, luminance, saturation;
    fixture.m_Picker.GetHLS(&hue, &luminance, &saturation);
    EXPECT_EQ(1.0, luminance);
    EXPECT_TRUE(fixture.m_Parent.Commands().empty());
    EXPECT_EQ(std::vector<WPARAM>{VK_UP}, fixture.m_Picker.m_DefaultKeys);

    fixture.m_Picker.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    fixture.m_Picker.GetHLS(&hue, &luminance, &saturation);
    EXPECT_NEAR(0.95, luminance, 1e-9);
    EXPECT_EQ(std::vector<WPARAM>{VK_UP}, fixture.m_Picker.m_DefaultKeys);
    EXPECT_EQ(std::vector<WPARAM>{MAKEWPARAM(pickerId, 0)}, fixture.m_Parent.Commands());
    EXPECT_EQ(CGTDrawManager::HlsToRgb(0.0, 0.95, 1.0), fixture.m_Picker.GetColor());
}

TEST(ColorPicker, ColoursFromChannelsAndHls)
{
    CGTColorPickerCtrl picker;
    picker.SetRGB(300, 0, 0);
    EXPECT_EQ(RGB(255, 0, 0), picker.GetColor());
    double hue, luminance, saturation;
    picker.GetHLS(&hue, &luminance, &saturation);
    EXPECT_DOUBLE_EQ(0.0, hue);
    EXPECT_DOUBLE_EQ(0.5, luminance);
    EXPECT_DOUBLE_EQ(1.0, saturation);
    // -1 keeps a value; the colour follows the fractions.
    picker.SetHLS(1.0 / 3.0, -1, -1, FALSE);
    EXPECT_EQ(RGB(0, 255, 0), picker.GetColor());
}

TEST(ColorPicker, MousePicksCellsAndPlanePoints)
{
    PickerFixture honeycomb(CGTColorPickerCtrl::Honeycomb);
    honeycomb.m_Picker.SetColor(RGB(0, 0, 0));
    honeycomb.m_Picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(65, 65));
    honeycomb.m_Picker.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(65, 65));
    EXPECT_EQ(RGB(255, 255, 255), honeycomb.m_Picker.GetColor());
    EXPECT_EQ(std::vector<WPARAM>{MAKEWPARAM(pickerId, 0)}, honeycomb.m_Parent.Commands());
    EXPECT_EQ(nullptr, CWnd::GetCapture());

    PickerFixture plane(CGTColorPickerCtrl::HueSaturation, CRect(0, 0, 100, 100));
    plane.m_Picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 500));
    double hue, luminance, saturation;
    plane.m_Picker.GetHLS(&hue, &luminance, &saturation);
    EXPECT_DOUBLE_EQ(0.5, hue);
    EXPECT_NEAR(0.01, saturation, 1e-9);
    plane.m_Picker.SendMessage(WM_LBUTTONUP, 0, 0);
    plane.m_Picker.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 50));
    EXPECT_EQ(MAKEWPARAM(pickerId, BN_DOUBLECLICKED), plane.m_Parent.Commands().back());
}
