// The input a tooltip control is told about so that it knows when to show and hide its tips.
#pragma once
#include <afxwin.h>

BOOL IsTooltipInput(UINT iMessage);
