#pragma once
// What the shape and layout compilers share: read every source given (in file name order), report
// every fault of every source, and write the library only when all of them compiled, through the
// library's own record file so that it is written as the program writes it.

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace qx::tools {

// Source(path) reads one source; compile() gives its record or nothing, faults() says why.
// encode(record) gives the record's bytes.
template <typename Library, typename Source, typename Encode>
int compileLibrary(int argc, char **argv, const char *inputName, const char *libraryName, Encode encode)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT %s...\n", argv[0], inputName);
        return 2;
    }
    std::vector<std::string> sources(argv + 2, argv + argc);
    std::stable_sort(sources.begin(), sources.end(), [](const std::string &a, const std::string &b) {
        return std::filesystem::path(a).filename() < std::filesystem::path(b).filename();
    });
    std::vector<uint8_t> bytes;
    bool faulty = false;
    for (const auto &path : sources) {
        Source source(path);
        if (const auto record = source.compile()) {
            const auto encoded = encode(*record);
            bytes.insert(bytes.end(), encoded.begin(), encoded.end());
            continue;
        }
        faulty = true;
        for (const auto &message : source.faults())
            std::fprintf(stderr, "%s\n", message.c_str());
    }
    if (faulty) {
        std::fprintf(stderr, "%s library not written: fix the sources above\n", libraryName);
        return 1;
    }
    const auto written = Library(QString::fromLocal8Bit(argv[1])).file().writeAll(bytes);
    if (!written) {
        std::fprintf(stderr, "%s\n", written.error().errorText().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace qx::tools
