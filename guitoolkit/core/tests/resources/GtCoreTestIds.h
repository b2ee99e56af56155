/* Resource identifiers of the toolkit core tests. */
#ifndef GUITOOLKIT_CORE_TESTS_GTCORETESTIDS_H
#define GUITOOLKIT_CORE_TESTS_GTCORETESTIDS_H

#define IDR_GT_TEST_DOCUMENT 300 /* a document type: strings, menu and shortcuts */
#define ID_GT_TEST_NEW 0xE100
#define ID_GT_TEST_OPEN 0xE101

#endif
