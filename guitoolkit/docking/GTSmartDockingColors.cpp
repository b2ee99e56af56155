#include <guitoolkit/docking/GTSmartDockingColors.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/docking/CGTDockManager.h>

GTSmartDockingColors CurrentSmartDockingColors()
{
    COLORREF base = 0;
    COLORREF second = 0;
    CGTVisualManager::GetCurrent()->GetSmartDockingColors(base, second);
    const CGTSmartDockingParams& params = CGTDockManager::s_smartDockingParams;
    const COLORREF none = static_cast<COLORREF>(-1);
    return {params.m_CentralGroupBackColor != none ? params.m_CentralGroupBackColor : base,
            params.m_CentralGroupBorderColor != none ? params.m_CentralGroupBorderColor : second, second};
}
