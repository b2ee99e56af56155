#include <guitoolkit/core/CGTFrameValues.h>

CString& CGTFrameValues::TearOffSection()
{
    static CString value(L"ControlBars-TearOff");
    return value;
}

CString& CGTFrameValues::ControlBarsSuffix()
{
    static CString value(L"\\ControlBars");
    return value;
}

CString& CGTFrameValues::WindowPlacementKey()
{
    static CString value(L"WindowPlacement");
    return value;
}

CString& CGTFrameValues::MainWindowRectValue()
{
    static CString value(L"MainWindowRect");
    return value;
}

CString& CGTFrameValues::FlagsValue()
{
    static CString value(L"Flags");
    return value;
}

CString& CGTFrameValues::ShowCmdValue()
{
    static CString value(L"ShowCmd");
    return value;
}

CString& CGTFrameValues::VersionKey()
{
    static CString value(L"RIRControlBarVersion");
    return value;
}

CString& CGTFrameValues::VersionMajorValue()
{
    static CString value(L"Major");
    return value;
}

CString& CGTFrameValues::VersionMinorValue()
{
    static CString value(L"Minor");
    return value;
}

CMap<UINT, UINT, int, int>& CGTFrameValues::CustomizeCommands()
{
    static CMap<UINT, UINT, int, int> commands(10);
    return commands;
}
