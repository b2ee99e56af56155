// Resource ids of the OLE test program.
#pragma once
#define IDD_HOSTED_FORM 100
#define IDD_HOSTED_DIALOG 101
#define IDD_UNREGISTERED_FORM 102
#define IDD_FAILING_FORM 103
#define IDC_BEFORE 1001
#define IDC_AFTER 1002
#define IDC_HOSTED 1049
