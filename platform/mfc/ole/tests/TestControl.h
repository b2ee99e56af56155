// A small windowed control of the tests, registered in this process: it activates in place in
// a window of its own, reads its site's ambient properties and answers a few dispatch ids.
//   get/put 1: a 32-bit value;  method 2 (a, b): a + b;  method 3: fails with an exception;
//   method 4: the left edge of the position its site gives it now.
// Objects of the failing class fail their in-place activation.
#pragma once
#include <afxole.h>
#include <olectl.h>
#include <string>

// {6F1C2E8A-3B4D-4C5E-9A7B-1D2E3F405162}
extern const CLSID CLSID_ZvTestControl;
// {6F1C2E8A-3B4D-4C5E-9A7B-1D2E3F405163}
extern const CLSID CLSID_ZvFailingControl;
extern const WCHAR kZvTestControlProgID[];
extern const WCHAR kZvTestControlClsid[];  // as a template names it
extern const WCHAR kZvFailingControlClsid[];

// What the controls of the tests saw.
struct TestControlLog {
    static LONG nLive;  // objects not yet released
    static LONG nInitNew;
    static BOOL bUserMode;
    static std::wstring strFontName;
    static std::wstring strDisplayName;
    static OLE_COLOR backColor;
};

// Registers the two classes (and the ProgID) for the test program's life.
class CTestControlRegistration {
public:
    CTestControlRegistration();
    ~CTestControlRegistration();

private:
    DWORD m_dwCookie, m_dwFailingCookie;
};
