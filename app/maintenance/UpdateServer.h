// Where the update server lives: the folders of the software and firmware "version" files and packages.
#pragma once

#include <string>

class UpdateServer {
public:
    // The server's base address: the build's THERMIVO_UPDATE_HOST, unless the environment variable
    // THERMIVO_UPDATE_URL names another one (tests and demos point it at a loopback server).
    static std::wstring Host();
    // Host + "/zentra/Z7/software/" and host + "/zentra/Z7/firmware/"; both end in "/".
    static std::wstring SoftwareBaseUrl();
    static std::wstring FirmwareBaseUrl();
};
