// benchunzip: median time to unpack one package with ZipExtractor::ExtractZipToFolder and with minizip's
// miniunz (its main, linked in), each into a fresh folder, and the throughput in MB of unpacked data per
// second. Usage: benchunzip <package.zip> <work folder> <unpacked bytes>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "TempFolder.h"
#include "maintenance/ZipExtractor.h"

extern "C" int miniunz_main(int argc, char* argv[]);

namespace {

const int kRounds = 7;

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

double MedianMs(const std::wstring& folder, const std::function<bool()>& unpack) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        TempFolder::RemoveTree(folder);
        CreateDirectoryW(folder.c_str(), nullptr);
        const double start = NowMs();
        if (!unpack())
            return -1.0;
        times.push_back(NowMs() - start);
    }
    return Median(times);
}

bool RunMiniunz(const std::wstring& package, const std::wstring& folder) {
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    std::string zip = Narrow(package);
    std::string target = Narrow(folder);
    char name[] = "miniunz";
    char extract[] = "-x";
    char overwrite[] = "-o";
    char into[] = "-d";
    char* argv[] = {name, extract, overwrite, &zip[0], into, &target[0], nullptr};
    const int result = miniunz_main(6, argv);
    // miniunz changes into the target folder.
    SetCurrentDirectoryW(previous);
    return result == 0;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: benchunzip <package.zip> <work folder> <unpacked bytes>\n");
        return 2;
    }
    const std::wstring package = argv[1];
    const std::wstring work = argv[2];
    const double megabytes = std::wcstod(argv[3], nullptr) / (1024.0 * 1024.0);
    CreateDirectoryW(work.c_str(), nullptr);
    const std::wstring ours = work + L"\\extractzip";
    const std::wstring theirs = work + L"\\miniunz";
    const double extractMs = MedianMs(ours, [&] { return ZipExtractor::ExtractZipToFolder(package, ours); });
    const double miniunzMs = MedianMs(theirs, [&] { return RunMiniunz(package, theirs); });
    std::fflush(stdout);
    std::printf("bench: rounds %d, unpacked %.2f MB\n", kRounds, megabytes);
    std::printf("bench: ExtractZipToFolder %.2f ms %.1f MB/s\n", extractMs, megabytes * 1000.0 / extractMs);
    std::printf("bench: miniunz %.2f ms %.1f MB/s\n", miniunzMs, megabytes * 1000.0 / miniunzMs);
    TempFolder::RemoveTree(ours);
    TempFolder::RemoveTree(theirs);
    return extractMs < 0 || miniunzMs < 0 ? 1 : 0;
}
