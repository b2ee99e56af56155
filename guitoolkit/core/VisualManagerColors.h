// Colour choices shared by the parts of the classic look.
#pragma once
#include <guitoolkit/core/GTLookTargets.h>

namespace VisualManagerColors {
// A colour argument or answer of -1: none given.
const COLORREF noColor = static_cast<COLORREF>(-1);

// Controls on a dialog take the button colours instead of the bar colours.
inline BOOL DialogColors(const IGTLookControl* control)
{
    return control != nullptr && control->UsesDialogColors();
}
}  // namespace VisualManagerColors
