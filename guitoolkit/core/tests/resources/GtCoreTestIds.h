/* Resource identifiers of the toolkit core tests. */
#ifndef GUITOOLKIT_CORE_TESTS_GTCORETESTIDS_H
#define GUITOOLKIT_CORE_TESTS_GTCORETESTIDS_H

#define IDR_GT_TEST_DOCUMENT 300 /* a document type: strings, menu and shortcuts */
#define IDR_GT_TEST_CONTEXT 310  /* context menus */
#define IDR_GT_TEST_CONTEXT_OTHER 311
#define ID_GT_TEST_NEW 0xE100
#define ID_GT_TEST_OPEN 0xE101
#define ID_GT_TEST_CUT 0xE123
#define ID_GT_TEST_COPY 0xE122

#endif
