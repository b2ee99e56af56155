#include <guitoolkit/core/CGTGridValues.h>

CString& CGTGridValues::StateSection()
{
    static CString value(L"VADEGrids");
    return value;
}

CString& CGTGridValues::FormatShort()
{
    static CString value(L"%d");
    return value;
}

CString& CGTGridValues::FormatLong()
{
    static CString value(L"%ld");
    return value;
}

CString& CGTGridValues::FormatUnsignedShort()
{
    static CString value(L"%u");
    return value;
}

CString& CGTGridValues::FormatUnsignedLong()
{
    static CString value(L"%u");
    return value;
}

CString& CGTGridValues::FormatFloat()
{
    static CString value(L"%f");
    return value;
}

CString& CGTGridValues::FormatDouble()
{
    static CString value(L"%lf");
    return value;
}

CString& CGTGridValues::HeaderDragWindowClass()
{
    static CString value;
    return value;
}

CString& CGTGridValues::HeaderDropWindowClass()
{
    static CString value;
    return value;
}
