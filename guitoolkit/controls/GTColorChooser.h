// The dialog that chooses a colour for the other-colour buttons: the system's colour dialog,
// or the toolkit's. Tests put a chooser of their own in place to play the user.
#pragma once
#include <guitoolkit/core/GuiToolkitSeams.h>

class CGTColorChooser : public CGTSeam<CGTColorChooser> {
public:
    // TRUE with the chosen colour on OK.
    virtual BOOL Choose(COLORREF iInitial, BOOL iSystemDialog, CWnd* iParent, COLORREF& oColor) const;
};

inline BOOL ChooseColorInDialog(COLORREF iInitial, BOOL iSystemDialog, CWnd* iParent, COLORREF& oColor)
{
    return CGTColorChooser::Current().Choose(iInitial, iSystemDialog, iParent, oColor);
}
