// The values the docking classes pass between them: sides, style and behaviour bits,
// docking modes and methods, the ids of the frame's dock bars and the caption-button hit codes.
#pragma once
#include <afxwin.h>

// Side (alignment) bits, shared by bars, dock bars, rows, sliders, markers and the dock
// manager; the same bits as CBRS_ALIGN_*.
enum : DWORD {
    GTSideLeft = 0x1000,
    GTSideTop = 0x2000,
    GTSideRight = 0x4000,
    GTSideBottom = 0x8000,
    GTSideAny = 0xF000,
    // Top or bottom: a horizontal side.
    GTSideHorizontal = 0xA000,
};

// The style word beyond the side bits (CBRS_*).
enum : DWORD {
    GTStyleFloating = 0x1,
    GTStyleBorderLeft = 0x100,
    GTStyleBorderTop = 0x200,
    GTStyleBorderRight = 0x400,
    GTStyleBorderBottom = 0x800,
    GTStyleBorderAny = 0xF00,
    GTStyleGripper = 0x400000,
};

// Behaviour style bits.
enum : DWORD {
    GTBehaviourCanFloat = 0x1,
    GTBehaviourCanAutoHide = 0x2,
    GTBehaviourDockWithoutFloating = 0x4,
    GTBehaviourCanHide = 0x8,
    GTBehaviourAutoRollUp = 0x10,
    GTBehaviourAll = 0xF,
};

// The process-wide docking mode and a bar's own one (0: the process's).
enum : int {
    GTDockingImmediate = 0x1,
    GTDockingStandard = 0x2,
    GTDockingSmart = 0x80,
};

// How a dock was asked for.
enum : int {
    GTDockUnknown = 0,
    GTDockByMouse = 1,
    GTDockToRecentPlace = 2,
    GTDockAsTab = 3,
    GTDockByRect = 4,
    GTDockAtOutlineDrop = 5,
};

// Control ids of a frame's dock bars by side.
enum : UINT {
    GTDockBarTopId = 0xE81B,
    GTDockBarLeftId = 0xE81C,
    GTDockBarRightId = 0xE81D,
    GTDockBarBottomId = 0xE81E,
};

// Hit codes that caption buttons answer in place of the caption.
enum : UINT {
    GTHitWindowPosition = 8,
    GTHitPin = 9,
    GTHitPaneClose = 19,
    GTHitFrameClose = 20,
    GTHitBack = 23,
    GTHitForward = 24,
    GTHitMenu = 25,
};

// Control ids of the docking menu's items and the strings that name them.
enum : UINT {
    GTDockingMenuFloating = static_cast<UINT>(-102),
    GTDockingMenuDocking = static_cast<UINT>(-103),
    GTDockingMenuAutoHide = static_cast<UINT>(-104),
    GTDockingMenuHide = static_cast<UINT>(-105),
};

inline BOOL IsHorizontalSide(DWORD iAlignment)
{
    return (iAlignment & GTSideHorizontal) != 0;
}
