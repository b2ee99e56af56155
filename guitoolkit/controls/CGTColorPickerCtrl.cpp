#include <guitoolkit/controls/CCellObj.h>
#include <guitoolkit/controls/CGTColorPickerCtrl.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CGTColorPickerCtrl, CButton)

namespace {
const double keyStep = 0.05;
// The luminance bar leaves this much room above and below for its marker.
const int luminanceMargin = 5;

double Clamp01(double iValue)
{
    return std::min(1.0, std::max(0.0, iValue));
}
}  // namespace

BEGIN_MESSAGE_MAP(CGTColorPickerCtrl, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
    ON_WM_ERASEBKGND()
    ON_WM_CANCELMODE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CGTColorPickerCtrl::CGTColorPickerCtrl()
    : m_Kind(HueSaturation), m_Luminance(0.5), m_Saturation(0), m_Hue(0), m_Color(RGB(0, 0, 0)),
      m_OriginalColor(RGB(0, 0, 0)), m_LuminanceBarWidth(20), m_Palette(nullptr)
{
    double luminance = 0;
    CGTDrawManager::RgbToHls(m_Color, m_Hue, m_Saturation, luminance);
}

CGTColorPickerCtrl::~CGTColorPickerCtrl()
{
    DeleteCells();
}

void CGTColorPickerCtrl::PreSubclassWindow()
{
    // Drawn by the control itself, and never the dialog's default button.
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

void CGTColorPickerCtrl::SetType(int iKind)
{
    m_Kind = iKind;
    DropPicture();
    DeleteCells();
}

void CGTColorPickerCtrl::SetPalette(CPalette* iPalette)
{
    m_Palette = iPalette;
    DropPicture();
    DeleteCells();
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CGTColorPickerCtrl::SetOriginalColor(COLORREF iColor)
{
    m_OriginalColor = iColor;
}

void CGTColorPickerCtrl::SetLuminanceBarWidth(int iWidth)
{
    CRect client;
    if (GetSafeHwnd() != nullptr) {
        GetClientRect(client);
        iWidth = std::min(iWidth, client.Width() * 3 / 4);
    }
    m_LuminanceBarWidth = iWidth;
}

void CGTColorPickerCtrl::SetColor(COLORREF iColor)
{
    m_Color = iColor;
    CGTDrawManager::RgbToHls(iColor, m_Hue, m_Saturation, m_Luminance);
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CGTColorPickerCtrl::SetRGB(int iRed, int iGreen, int iBlue)
{
    SetColor(RGB(std::min(iRed, 255), std::min(iGreen, 255), std::min(iBlue, 255)));
}

void CGTColorPickerCtrl::SetHLS(double iHue, double iLuminance, double iSaturation, BOOL iRepaint)
{
    if (iHue != -1)
        m_Hue = iHue;
    if (iLuminance != -1)
        m_Luminance = iLuminance;
    if (iSaturation != -1)
        m_Saturation = iSaturation;
    UpdateColor();
    if (iRepaint && GetSafeHwnd() != nullptr) {
        Invalidate();
        UpdateWindow();
    }
}

void CGTColorPickerCtrl::GetHLS(double* oHue, double* oLuminance, double* oSaturation) const
{
    *oHue = m_Hue;
    *oLuminance = m_Luminance;
    *oSaturation = m_Saturation;
}

void CGTColorPickerCtrl::UpdateColor()
{
    m_Color = CGTDrawManager::HlsToRgb(m_Hue, m_Luminance, m_Saturation);
}

void CGTColorPickerCtrl::Notify(UINT iCode)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), iCode), reinterpret_cast<LPARAM>(m_hWnd));
}

CRect CGTColorPickerCtrl::GetLuminanceArea() const
{
    CRect area;
    GetClientRect(area);
    area.DeflateRect(0, luminanceMargin);
    return area;
}

CRect CGTColorPickerCtrl::GetMarkerRect() const
{
    CPoint centre;
    int half = 0;
    if (m_Kind == LuminanceBar) {
        const CRect area = GetLuminanceArea();
        centre = CPoint(area.left + m_LuminanceBarWidth + 6 + 4,
                        area.top + static_cast<int>((1 - m_Luminance) * (area.Height() - 1)));
        half = 4;
    } else {
        CRect client;
        GetClientRect(client);
        centre =
            CPoint(static_cast<int>(m_Hue * client.Width()), static_cast<int>((1 - m_Saturation) * client.Height()));
        half = 9;
    }
    return CRect(centre.x - half, centre.y - half, centre.x + half + 1, centre.y + half + 1);
}

void CGTColorPickerCtrl::PickAt(CPoint iPoint)
{
    CRect client;
    GetClientRect(client);
    iPoint.x = std::min(std::max(iPoint.x, client.left), client.right - 1);
    iPoint.y = std::min(std::max(iPoint.y, client.top), client.bottom - 1);
    CRect before = m_Kind == LuminanceBar || m_Kind == HueSaturation ? GetMarkerRect() : client;
    switch (m_Kind) {
    case LuminanceBar: {
        const CRect area = GetLuminanceArea();
        m_Luminance = Clamp01(1.0 - static_cast<double>(iPoint.y - area.top) / std::max(1, area.Height() - 1));
        UpdateColor();
        break;
    }
    case HueSaturation: {
        const CGTKeyState& keys = CGTKeyState::Current();
        if (!keys.IsDown(VK_CONTROL))
            m_Hue = Clamp01(static_cast<double>(iPoint.x) / std::max(1, client.Width()));
        if (!keys.IsDown(VK_SHIFT))
            m_Saturation = Clamp01(1.0 - static_cast<double>(iPoint.y) / std::max(1, client.Height()));
        UpdateColor();
        break;
    }
    case Honeycomb:
    case GreyCells: {
        const CObArray& cells = GetCells();
        for (INT_PTR index = 0; index < cells.GetSize(); ++index) {
            const auto* cell = static_cast<const CCellObj*>(cells[index]);
            if (cell->HitTest(iPoint)) {
                m_Color = cell->m_Color;
                CGTDrawManager::RgbToHls(m_Color, m_Hue, m_Saturation, m_Luminance);
                break;
            }
        }
        break;
    }
    default:
        return;
    }
    RepaintChange(before, m_Kind == LuminanceBar || m_Kind == HueSaturation ? GetMarkerRect() : client);
}

void CGTColorPickerCtrl::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    SetCapture();
    SetFocus();
    OnMouseMove(iFlags, iPoint);
}

void CGTColorPickerCtrl::OnMouseMove(UINT /*iFlags*/, CPoint iPoint)
{
    if (GetCapture() == this)
        PickAt(iPoint);
}

void CGTColorPickerCtrl::OnLButtonUp(UINT /*iFlags*/, CPoint /*iPoint*/)
{
    if (GetCapture() == this)
        ReleaseCapture();
}

void CGTColorPickerCtrl::OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags)
{
    double* value = nullptr;
    double step = 0;
    if (m_Kind == LuminanceBar && (iChar == VK_UP || iChar == VK_DOWN)) {
        value = &m_Luminance;
        step = iChar == VK_UP ? keyStep : -keyStep;
    } else if (m_Kind == HueSaturation && (iChar == VK_LEFT || iChar == VK_RIGHT)) {
        value = &m_Hue;
        step = iChar == VK_RIGHT ? keyStep : -keyStep;
    } else if (m_Kind == HueSaturation && (iChar == VK_UP || iChar == VK_DOWN)) {
        value = &m_Saturation;
        step = iChar == VK_UP ? keyStep : -keyStep;
    }
    const double changed = value != nullptr ? Clamp01(*value + step) : 0;
    if (value == nullptr || changed == *value) {
        CButton::OnKeyDown(iChar, iRepeat, iFlags);
        return;
    }
    CRect before = GetMarkerRect();
    *value = changed;
    UpdateColor();
    RepaintChange(before, GetMarkerRect());
}

void CGTColorPickerCtrl::RepaintChange(CRect iBefore, CRect iAfter)
{
    iBefore.InflateRect(1, 1);
    iAfter.InflateRect(1, 1);
    InvalidateRect(iBefore, FALSE);
    InvalidateRect(iAfter, FALSE);
    Notify(0);
}

void CGTColorPickerCtrl::OnSize(UINT iType, int iWidth, int iHeight)
{
    CButton::OnSize(iType, iWidth, iHeight);
    DropPicture();
    DeleteCells();
}

void CGTColorPickerCtrl::OnSetFocus(CWnd* iOld)
{
    CButton::OnSetFocus(iOld);
    Invalidate();
}

void CGTColorPickerCtrl::OnKillFocus(CWnd* iNew)
{
    CButton::OnKillFocus(iNew);
    Invalidate();
}

BOOL CGTColorPickerCtrl::OnQueryNewPalette()
{
    Invalidate();
    return TRUE;
}

void CGTColorPickerCtrl::OnPaletteChanged(CWnd* iFocusWindow)
{
    if (iFocusWindow != this)
        Invalidate();
}

BOOL CGTColorPickerCtrl::OnEraseBkgnd(CDC* /*iDc*/)
{
    return TRUE;
}

void CGTColorPickerCtrl::OnCancelMode()
{
    CButton::OnCancelMode();
    if (GetCapture() == this)
        ReleaseCapture();
}

void CGTColorPickerCtrl::OnLButtonDblClk(UINT /*iFlags*/, CPoint /*iPoint*/)
{
    if (m_Kind >= HueSaturation)
        Notify(BN_DOUBLECLICKED);
}

UINT CGTColorPickerCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CGTColorPickerCtrl::DropPicture()
{
    if (m_Picture.GetSafeHandle() != nullptr)
        m_Picture.DeleteObject();
}
