// The fuzz targets of the file readers: one entry function per reader, each taking any bytes as
// the file's content. An entry returns normally when the reader coped (refused the input or read
// it whole and wrote it back unchanged); it aborts with a message when it found a fault. The same
// entries serve the libFuzzer programs and the replay of the regression corpus in the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tallyrin::fuzz {

using Entry = void (*)(const uint8_t* data, size_t size);

void settingsReader(const uint8_t* data, size_t size);
void federalTables(const uint8_t* data, size_t size);
// First byte: the kind, among the store's kinds read from their text (a frequency-dependent kind
// twice, weekly then bi-weekly), in the order file_kinds lists them with "text".
void employeeFiles(const uint8_t* data, size_t size);
void ledgerFile(const uint8_t* data, size_t size); // first byte: weekly or bi-weekly
void headerFile(const uint8_t* data, size_t size);
void savedPeriod(const uint8_t* data, size_t size);
void employerFile(const uint8_t* data, size_t size);

struct Target
{
    std::string_view name; // the folder name of its seeds and regression inputs
    Entry entry;
};

inline constexpr Target kTargets[] = {
    {"settings_reader", settingsReader}, {"federal_tables", federalTables}, {"employee_files", employeeFiles},
    {"ledger", ledgerFile},              {"header_file", headerFile},       {"saved_period", savedPeriod},
    {"employer_file", employerFile},
};

} // namespace tallyrin::fuzz
