#include "ChartCanvas.h"

namespace {

constexpr LONG kTextSize = 80;  // tenths of a point

}  // namespace

ChartCanvas::ChartCanvas(HDC iDc, const ChartSettings& iSettings)
    : m_Dc(iDc), m_Settings(iSettings), m_TextFont(MakeFont(iDc, kTextSize, false)),
      m_LabelFont(MakeFont(iDc, iSettings.LabelSize * 10, false)),
      m_TitleFont(MakeFont(iDc, iSettings.TitleSize, true)), m_TextHeight(LineHeight(iDc, TextFont())),
      m_LabelHeight(LineHeight(iDc, LabelFont())), m_TitleHeight(LineHeight(iDc, TitleFont()))
{
}
