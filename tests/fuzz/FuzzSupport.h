// What the fuzz targets share: the checks that stop on a finding, and a scratch folder for the
// readers that work only on files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
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

// A text read and written again: `fault` is set when the read was not whole.
struct Rewritten
{
    std::string text;
    std::string fault;
};

// Write, read, write: `first` is what the program wrote for a record it read whole; `rewrite` reads
// a text and writes its record. The second read must be whole and give the same text. One
// allowance: the file form holds singles with 7 digits, which is one digit too few for some
// singles (amounts above 8.6E+09, some just below a power of ten, the tiniest ones). Such an
// item reads back as the neighbouring single and is written one step away; the next round must
// then give the same text.
void expectSameText(std::string_view what, const std::string& first,
                    const std::function<Rewritten(const std::string&)>& rewrite);

// A folder of this process, made on first use and removed at exit (in memory when /dev/shm is
// there, so that writing an input per run stays fast).
const std::filesystem::path& scratchFolder();
// Replaces `file` with exactly these bytes (no flush: the scratch folder need not survive).
void writeScratchFile(const std::filesystem::path& file, std::string_view bytes);

// Which input is being replayed, named in a finding's message.
void setCurrentInput(std::string name);

} // namespace tallyrin::fuzz
