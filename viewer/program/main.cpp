// The viewer program: its one application object, which the class library runs.
#include <CZVViewerApp.h>

CZVViewerApp theApp;
