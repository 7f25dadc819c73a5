// The library's entry point on Windows. Loading sets up the process-wide state
// of the export layer by static initialisation alone, so the entry point has
// nothing to do but report success, for every reason it is called with.
#ifdef _WIN32
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
#endif
