// Settings of the server simulator, from the [probexa] section of an ini file: the file named by the
// environment variable PROBEXA_INI, else Probexa.ini beside the executable. Every key has a default, so
// the simulator also runs without any file.
//   record=korval_hardware_mapfile   name of the shared record
//   mode=curve                       curve (a load curve between 40 and 70 C), fixed or trace
//   value=45.0                       the temperature of mode fixed
//   trace=PATH                       mode trace: a text file with one temperature a line, played in a loop
//   interval_ms=1000                 time between two writes (and between two trace lines)
//   status=1.0                       server status value written at offset 156
//   lifetime_ms=0                    end after this long; 0 runs until killed
#pragma once

#include <string>

struct ProbexaSettings {
    std::string record = "korval_hardware_mapfile";
    std::wstring mode = L"curve";
    float value = 45.0f;
    std::wstring tracePath;
    unsigned intervalMs = 1000;
    float status = 1.0f;
    unsigned lifetimeMs = 0;

    static ProbexaSettings Load();
};
