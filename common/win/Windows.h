// <windows.h> without the A/W macros whose names the portable ports use as method names.
#pragma once

#include <windows.h>

#undef DeleteFile
#undef FindWindow
#undef PlaySound
#undef ShellExecute
