// How a toolbar or menu button looks is chosen in the button appearance dialog; the bars and
// the customization sheet reach it through this seam, so that tests can play the user.
#pragma once
#include <guitoolkit/core/GuiToolkitSeams.h>

class CGTToolBarImages;
class CGTToolbarButton;

class CGTButtonAppearance : public CGTSeam<CGTButtonAppearance> {
public:
    // Runs the dialog modally on the button; TRUE when the user chose OK (the button then
    // holds the choice). iMenuMode: the button lives on a menu.
    virtual BOOL Edit(CGTToolbarButton& ioButton, CGTToolBarImages* iUserImages, CWnd* iParent, BOOL iMenuMode) const;
};
