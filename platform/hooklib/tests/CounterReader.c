/* Another process that loads the hook library without hooking:
     hooklib_counter_reader LIBRARY
   Its exit code tells which of the library's counters are not 0, one bit each: 1 key events,
   2 mouse events, 4 last-input time; 8 when the library or a counter cannot be found. */
#include <windows.h>

int main(int argc, char** argv)
{
    HMODULE library;
    volatile LONG* keys;
    volatile LONG* mice;
    volatile DWORD* lastInput;
    if (argc != 2 || !(library = LoadLibraryA(argv[1])))
        return 8;
    keys = (volatile LONG*)GetProcAddress(library, "KeyEvents");
    mice = (volatile LONG*)GetProcAddress(library, "MouseEvents");
    lastInput = (volatile DWORD*)GetProcAddress(library, "LastInputTime");
    if (!keys || !mice || !lastInput)
        return 8;
    return (*keys ? 1 : 0) | (*mice ? 2 : 0) | (*lastInput ? 4 : 0);
}
