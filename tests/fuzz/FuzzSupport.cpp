#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace tallyrin::fuzz {

namespace {

std::string& currentInput()
{
    static std::string name;
    return name;
}

// Control characters shown as escapes, long texts cut, so a finding's message stays readable.
std::string shown(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size() && out.size() < 2000; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n')
            out += "\\n\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else
            out += static_cast<char>(c);
    }
    if (out.size() >= 2000)
        out += "...";
    return out;
}

void removeScratch()
{
    std::error_code ec;
    std::filesystem::remove_all(scratchFolder(), ec);
}

} // namespace

void finding(std::string_view what, std::string_view first, std::string_view second)
{
    std::fprintf(stderr, "\nFINDING: %.*s\n", static_cast<int>(what.size()), what.data());
    if (!currentInput().empty())
        std::fprintf(stderr, "input: %s\n", currentInput().c_str());
    if (!first.empty() || !second.empty()) {
        std::fprintf(stderr, "--- first text:\n%s\n--- second text:\n%s\n", shown(first).c_str(),
                     shown(second).c_str());
    }
    std::fflush(stderr);
    std::abort();
}

const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tallyrin-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    static const bool cleanup = [] { return std::atexit(removeScratch) == 0; }();
    (void)cleanup;
    return folder;
}

void writeScratchFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        std::abort();
    }
}

void setCurrentInput(std::string name) { currentInput() = std::move(name); }

} // namespace tallyrin::fuzz
