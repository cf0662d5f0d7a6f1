// Thermivo's entry point; the command line and the show command are not used.
#include <windows.h>

#include "windows/ThermivoApplication.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return ThermivoApplication::Run(instance);
}
