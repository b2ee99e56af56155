#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>

CGTSmartDockingManager* CGTDockManager::GetSmartDockingManager()
{
    if (m_pOwnerFrame == nullptr || m_pOwnerFrame->GetSafeHwnd() == nullptr)
        return m_pSmartDocking;
    if (theToolkitAppearanceChanged && (m_pSmartDocking == nullptr || !m_pSmartDocking->IsStarted())) {
        delete m_pSmartDocking;
        m_pSmartDocking = nullptr;
        theToolkitAppearanceChanged = FALSE;
    }
    if (m_pSmartDocking == nullptr) {
        m_pSmartDocking = new CGTSmartDockingManager;
        m_pSmartDocking->Create(m_pOwnerFrame);
        m_pSmartDocking->OnPosChange(m_rectOuterEdge);
    }
    return m_pSmartDocking;
}
