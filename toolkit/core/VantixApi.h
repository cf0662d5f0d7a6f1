// Export macro of the Vantix library: exported while building the DLL, imported by its users.
#pragma once

#ifdef VANTIX_BUILD
#define VANTIX_API __declspec(dllexport)
#else
#define VANTIX_API __declspec(dllimport)
#endif
