// Resource ids of the test program.
#pragma once
#define IDD_TEST 100
#define IDR_TOOLBAR 101
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_CHECK 1003
#define IDC_RADIO_A 1004
#define IDC_RADIO_B 1005
#define IDC_RADIO_C 1006
#define IDC_COMBO 1007
#define ID_TEST_PROMPT 0x8001
#define IDR_SDI 200
#define IDD_FORM 201
#define IDC_FORM_NAME 2001
#define IDC_FORM_CHOICE_A 2002
#define IDC_FORM_CHOICE_B 2003
#define IDC_FORM_CHOICE_C 2004
#define IDC_FORM_DATE 2005
#define IDC_FORM_COMBO 2006
#define IDD_BAR 202
#define ID_BAR_HANDLED 0x8300
#define ID_BAR_UNHANDLED 0x8301
#define IDD_HOSTING 203
#define IDC_HOSTED 1049
