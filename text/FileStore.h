// Whole-file reading and atomic replacement of files in the working folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

// The file's bytes as UTF-8: taken as they are when they are valid UTF-8, else read as
// Windows-1252 and converted. nullopt when the file cannot be opened for reading.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

bool fileExists(const std::filesystem::path& path);

// Writes a temporary file in the same folder, flushes it to disk, then renames it over `path`.
// On failure the old file is untouched, the temporary file is removed, and `error` (when given)
// says what failed.
bool replaceFile(const std::filesystem::path& path, std::string_view content, std::string* error = nullptr);

} // namespace tallyrin
