/* Identifiers of the toolbar tests' resources. */
#define ID_GT_TEST_OPEN 0x7F00
