#pragma once
// What the shape and layout compilers share: read every source given (in file name order), report
// every fault of every source, and write the library only when all of them compiled, through the
// library's own record file so that it is written as the program writes it.

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace qx::tools {

// One source file: its path and the faults found in it, each "path:line: message".
class CompilerSource {
public:
    explicit CompilerSource(std::string path) : m_path(std::move(path)) {}

    const std::vector<std::string> &faults() const { return m_faults; }

protected:
    // The file's lines, Windows line ends taken off (a source saved so is still the same source);
    // nothing, with the fault noted, when the file cannot be read.
    std::optional<std::vector<std::string>> readLines()
    {
        std::ifstream in(m_path, std::ios::binary);
        if (!in) {
            fault(0, "cannot be read");
            return std::nullopt;
        }
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(std::move(line));
        }
        return lines;
    }

    // Line 0: the file as a whole.
    void fault(int line, const std::string &message)
    {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about ":" + number.
        std::string text = m_path;
        if (line > 0)
            text.append(":").append(std::to_string(line));
        text.append(": ").append(message);
        m_faults.push_back(std::move(text));
    }

    bool faulty() const { return !m_faults.empty(); }

private:
    std::string m_path;
    std::vector<std::string> m_faults;
};

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
