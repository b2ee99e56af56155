// What the button appearance dialog shows and changes, without its windows: how one toolbar
// or menu button looks (image only, text only, image and text), which image it shows (its
// command's default image or one of the user's images) and its text. The dialog reads the
// enabling rules from it after every change, and OK goes through Validate and Apply.
#pragma once
#include <afxwin.h>

class CGTToolbarButton;

class CButtonAppearanceModel {
public:
    // What OK finds wrong, in the order it looks.
    enum Problem {
        None,
        NeedImage,
        NeedText
    };

    // iHasUserImages: the dialog has a strip of user images; iUserImagesReadOnly: the strip
    // is borrowed and takes no new images. iMenuMode: the button lives on a menu.
    CButtonAppearanceModel(const CGTToolbarButton& iButton, BOOL iHasUserImages, BOOL iUserImagesReadOnly,
                           BOOL iMenuMode);

    // The display choices.
    void ChooseImageOnly();
    void ChooseImageAndText();
    void ChooseTextOnly();
    // The image choices: the default image takes the button's own image; the user's images
    // start with none selected.
    void ChooseDefaultImage();
    void ChooseUserImage();
    void SelectImage(int iImage) { m_Image = iImage; }
    void SetText(const CString& iText) { m_Text = iText; }

    BOOL IsShowImage() const { return m_ShowImage; }
    BOOL IsShowText() const { return m_ShowText; }
    BOOL IsUserImageChoice() const { return m_UserImageChoice; }
    int GetImage() const { return m_Image; }
    // The text before the first tab; the part after it (a menu item's shortcut) is kept.
    const CString& GetText() const { return m_Text; }
    BOOL IsUserTool() const { return m_UserTool; }

    // Which radio buttons the dialog checks at first.
    BOOL StartsWithUserImage() const { return m_UserImageChoice && !m_Locked; }
    // Choices that stay closed whatever the user does.
    BOOL IsImageOnlyAllowed() const;
    BOOL IsImageAndTextAllowed() const;

    // The enabling rules.
    BOOL IsTextEnabled() const;
    BOOL IsImageListEnabled() const;
    BOOL IsNewImageEnabled() const;
    BOOL IsEditImageEnabled() const;
    BOOL IsUserImageEnabled() const;
    BOOL IsDefaultImageEnabled() const;

    // Takes the default image when the user's images are not chosen, then checks.
    Problem Validate();
    // Changes the button as chosen; call after Validate answered None.
    void Apply(CGTToolbarButton& ioButton) const;

private:
    UINT m_CommandId;
    int m_ButtonImage;
    int m_DefaultImage;
    BOOL m_Locked;
    BOOL m_TextBelow;
    BOOL m_UserTool;
    BOOL m_HasUserImages;
    BOOL m_UserImagesReadOnly;
    BOOL m_MenuMode;

    BOOL m_UserImageChoice;
    int m_Image;
    BOOL m_ShowImage;
    BOOL m_ShowText;
    CString m_Text;
    CString m_Suffix;
};
