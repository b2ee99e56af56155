#include <csl/SafeArrayElements.h>

#include <oleauto.h>

long SafeArrayElementCount(SAFEARRAY* iArray)
{
    LONG lower = 0, upper = -1;
    if (!iArray || FAILED(SafeArrayGetLBound(iArray, 1, &lower)) || FAILED(SafeArrayGetUBound(iArray, 1, &upper)))
        return 0;
    return upper - lower + 1;
}
