// platform/Types.h: the Windows-style scalar names our class signatures use, without <windows.h>.
#pragma once

// Same definitions as the Windows headers, so either may come first.
typedef int BOOL;
#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif
