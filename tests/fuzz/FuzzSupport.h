// What the fuzz targets share: the checks that stop on a finding, and a scratch folder for the
// readers that work only on files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tallyrin::fuzz {

// The input as the text a reader takes.
inline std::string inputText(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A finding: prints what went wrong (with the two texts that differ, when given) and aborts, so
// that libFuzzer keeps the input and the replay test fails on it.
[[noreturn]] void finding(std::string_view what, std::string_view first = {}, std::string_view second = {});

// Write, read, write: the second text must equal the first, and the second read must be whole.
inline void expectSameText(std::string_view what, const std::string& first, const std::string& second)
{
    if (first != second)
        finding(what, first, second);
}

// A folder of this process, made on first use and removed at exit (in memory when /dev/shm is
// there, so that writing an input per run stays fast).
const std::filesystem::path& scratchFolder();
// Replaces `file` with exactly these bytes (no flush: the scratch folder need not survive).
void writeScratchFile(const std::filesystem::path& file, std::string_view bytes);

// Which input is being replayed, named in a finding's message.
void setCurrentInput(std::string name);

} // namespace tallyrin::fuzz
