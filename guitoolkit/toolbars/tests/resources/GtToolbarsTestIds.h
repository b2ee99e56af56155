/* Identifiers of the toolbar tests' resources. */
#define ID_GT_TEST_OPEN 0x7F00
/* A toolbar of three commands and a separator, its 16 x 15 images, and a toolbar resource
   that announces more commands than it holds. */
#define IDR_GT_TEST_BAR 0x7F10
#define IDR_GT_TEST_SHORT_BAR 0x7F11
#define ID_GT_TEST_FIRST 0x7F20
#define ID_GT_TEST_SECOND 0x7F21
#define ID_GT_TEST_THIRD 0x7F22
/* A toolbar resource whose images are missing. */
#define IDR_GT_TEST_NO_IMAGES 0x7F12
/* Status bar indicators with their texts, and one without. */
#define ID_GT_TEST_CAPS 0x7F30
#define ID_GT_TEST_NUM 0x7F31
#define ID_GT_TEST_NO_TEXT 0x7F3F
/* The menus and shortcuts of a frame and of a kind of document, and the document's name. */
#define IDR_GT_TEST_MENU 0x7F40
#define IDR_GT_TEST_DOC_MENU 0x7F41
/* Context menus. */
#define IDR_GT_TEST_CONTEXT 310
#define IDR_GT_TEST_CONTEXT_OTHER 311
#define ID_GT_TEST_CUT 0xE123
#define ID_GT_TEST_COPY 0xE122

/* A pick-list menu of the tools page and the strings its commands type. */
#define IDR_GT_TEST_PICK_LIST 0x7F60
#define ID_GT_TEST_PICK_FILE 0x7F61
#define ID_GT_TEST_PICK_FOLDER 0x7F62
