// Stand-ins for the tests of the saved docking layout: a frame whose dock manager shows what
// a load read, archive bytes made from words or by a writer, and a count of the sliders on a
// frame.
#pragma once
#include <initializer_list>
#include <vector>
#include "PaneTestSupport.h"

// A dock manager whose loaded lists the tests read.
class StateDockManager : public CGTDockManager {
public:
    using CGTDockManager::m_lstAutoHideSliders;
    using CGTDockManager::m_lstBars;
    using CGTDockManager::m_lstFloatFrames;
    using CGTDockManager::m_lstLoadedAutoHideInfo;
    using CGTDockManager::m_lstLoadedDockedBars;
    using CGTDockManager::m_lstLoadedFloatFrames;
    using CGTDockManager::m_lstLoadedTabbedPanes;
};

class LayoutFrame : public TestDockingFrame {
public:
    LayoutFrame() { m_State.SetOwnerFrame(this); }
    CGTDockManager* GetDockManager() override { return &m_State; }

    StateDockManager m_State;
};

// 32-bit little-endian words.
inline std::vector<BYTE> Words(std::initializer_list<int> iWords)
{
    std::vector<BYTE> bytes;
    for (int word : iWords) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<BYTE>(static_cast<unsigned>(word) >> shift));
    }
    return bytes;
}

template <class Writer>
std::vector<BYTE> ArchiveBytes(Writer iWrite)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        iWrite(archive);
    }
    const ULONGLONG length = file.GetLength();
    BYTE* bytes = file.Detach();
    std::vector<BYTE> result(bytes, bytes + length);
    free(bytes);
    return result;
}

// The windows of a class among the frame's children; with iShownOnly those with the visible
// style.
template <class Window>
int ChildCount(const CWnd& iFrame, BOOL iShownOnly = FALSE)
{
    int count = 0;
    for (HWND child = ::GetWindow(iFrame.GetSafeHwnd(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const BOOL counted = !iShownOnly || (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
        count += counted && dynamic_cast<Window*>(CWnd::FromHandlePermanent(child)) != nullptr ? 1 : 0;
    }
    return count;
}

inline int SliderCount(const CWnd& iFrame)
{
    return ChildCount<CGTSlider>(iFrame);
}
