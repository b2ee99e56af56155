#pragma once
#include <zorvane.h>

// What a caller restricted to his own activity may ask. Asking for another user raises
// E_ACCESSDENIED.

// A UserId of 0 becomes the caller's own ID (and the caller gets it back in the request).
void RestrictToCaller(SummaryActivityRequest& ioRequest, unsigned long iCallerId);
// The totals are then taken over the caller's activity alone (see BuildSummaryObjectQuery).
void RestrictToCaller(const SummaryObjectRequest& iRequest, unsigned long iCallerId);
