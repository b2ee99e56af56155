// The docking-wrapper issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTDockingCBWrapper.h>

IMPLEMENT_DYNCREATE(CGTDockingCBWrapper, CGTDockingControlBar)

CGTDockingCBWrapper::CGTDockingCBWrapper()
    : m_DefaultRect(30, 30, 180, 180), m_DefaultAlignment(GTSideAny), m_WrappedWnd(nullptr)
{
}

BOOL CGTDockingCBWrapper::SetWrappedWnd(CWnd*)
{
    return FALSE;
}

CWnd* CGTDockingCBWrapper::GetWrappedWnd() const
{
    return m_WrappedWnd;
}
