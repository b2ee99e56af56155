// Which side of a bar a dragged pane would dock on: the strips round the bar's edges, the
// inner top strip reaching below a docking pane's caption and the bottom one above its
// lower tab area; while smart docking runs, the hovered marker decides instead.
#pragma once
#include <afxwin.h>

class CGTBaseControlBar;
class CGTDockManager;
class CGTSmartDockingManager;

// oSide gets the side bit (GTSideLeft ...). The rectangle is the bar's window rectangle when
// a bar is given; FALSE without either. Without a dock manager, the bar's frame's is asked.
BOOL HitTestBarDockingTarget(CPoint iScreenPoint, CGTBaseControlBar* iBar, int iSensitivity,
                             CGTDockManager* iDockManager, BOOL iOuter, DWORD& oSide, DWORD iAllowedSides,
                             LPCRECT iRect = nullptr);

// The smart-docking manager while smart docking runs for a bar (its frame's, or the given
// dock manager's); null otherwise.
CGTSmartDockingManager* GetRunningSmartDocking(CGTBaseControlBar* iBar, CGTDockManager* iDockManager = nullptr);
