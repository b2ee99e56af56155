#pragma once
#include <ole2.h>
#include <wrl/client.h>

#include "ChartWindow.h"

using Microsoft::WRL::ComPtr;

// The control's side of in-place activation: the container's site, frame and document
// window while the control is active, and the window it shows there.
class InPlaceActivation {
public:
    explicit InPlaceActivation(ChartWindow& ioWindow) : m_Window(ioWindow) {}
    InPlaceActivation(const InPlaceActivation&) = delete;
    InPlaceActivation& operator=(const InPlaceActivation&) = delete;
    ~InPlaceActivation() { Deactivate(); }

    bool IsActive() const { return m_Site != nullptr; }
    // Makes the window in the site's window at the site's place. A UI activation also tells
    // the frame and the document window that iActive is their active object.
    HRESULT Activate(IOleClientSite* iSite, IOleInPlaceActiveObject* iActive, bool iUi);
    HRESULT UiDeactivate();
    // Destroys the window and tells the site.
    HRESULT Deactivate();
    HRESULT Move(const RECT* iPosition);

private:
    HRESULT Enter(IOleClientSite* iSite);
    HRESULT EnterUi(IOleInPlaceActiveObject* iActive);

    ChartWindow& m_Window;
    ComPtr<IOleInPlaceSite> m_Site;
    ComPtr<IOleInPlaceFrame> m_Frame;
    ComPtr<IOleInPlaceUIWindow> m_Document;
    bool m_UiActive = false;
};
