// A winmm.dll that someone left beside the programs, as in a download folder, with the one
// function that the programs play their sounds with.
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI PlaySoundW(LPCWSTR, HMODULE, DWORD) { return TRUE; }
