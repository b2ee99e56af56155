#pragma once
#include <guitoolkit/controls/CGTGridItem.h>

// A cell that draws an icon, a square of the row's height, in front of its text.
class CIconGridItem : public CGTGridItem {
    DECLARE_DYNAMIC(CIconGridItem)
public:
    // Takes the icon: the cell destroys it. A null icon leaves the square empty.
    CIconGridItem(const VARIANT& iValue, HICON iIcon, DWORD_PTR iData = 0, LPCWSTR iEditMask = nullptr,
                  LPCWSTR iInputTemplate = nullptr, LPCWSTR iValidChars = nullptr);
    ~CIconGridItem() override;

    void OnDrawValue(CDC* iDc, CRect iRect) override;

    HICON GetIcon() const { return m_hIcon; }

private:
    HICON m_hIcon;
};
