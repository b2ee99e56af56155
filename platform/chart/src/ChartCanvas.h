#pragma once
#include <windows.h>

#include "ChartGdi.h"
#include "ChartModel.h"

// The colours of everything that is not a point.
namespace ChartColours {
constexpr COLORREF kText = RGB(40, 40, 40);
constexpr COLORREF kAxis = RGB(110, 110, 110);
constexpr COLORREF kGrid = RGB(225, 225, 225);
constexpr COLORREF kBorder = RGB(150, 150, 150);
}  // namespace ChartColours

// What every part of one drawing shares: the DC, the settings and the fonts made for this DC.
class ChartCanvas {
public:
    ChartCanvas(HDC iDc, const ChartSettings& iSettings);

    HDC Dc() const { return m_Dc; }
    const ChartSettings& Settings() const { return m_Settings; }
    // Legend, marks and the value axis.
    HFONT TextFont() const { return static_cast<HFONT>(m_TextFont.Get()); }
    int TextHeight() const { return m_TextHeight; }
    HFONT LabelFont() const { return static_cast<HFONT>(m_LabelFont.Get()); }
    int LabelHeight() const { return m_LabelHeight; }
    HFONT TitleFont() const { return static_cast<HFONT>(m_TitleFont.Get()); }
    int TitleHeight() const { return m_TitleHeight; }
    // A small distance between parts, from the text's size so that it grows with the resolution.
    int Gap() const { return m_TextHeight / 3 + 1; }

private:
    HDC m_Dc;
    const ChartSettings& m_Settings;
    GdiObject m_TextFont;
    GdiObject m_LabelFont;
    GdiObject m_TitleFont;
    int m_TextHeight;
    int m_LabelHeight;
    int m_TitleHeight;
};
