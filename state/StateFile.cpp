#include "state/StateFile.h"

#include "text/FileStore.h"
#include "text/SettingsFormat.h"

namespace tallyrin {

namespace {

// The layout, for reading and writing alike: the two tables side by side, "NO STATE TAX", the
// allowance columns, then SDI/SUI, the adjustment, five profile values and most state flags.
template <class IO, class Settings, class Profile> void stateItems(IO& io, Settings& s, Profile& p)
{
    for (size_t r = 0; r < 10; ++r) {
        io.single(s.StateMinBS[r]), io.single(s.StateAmtBS[r]), io.single(s.StatePerBS[r]);
        io.single(s.StateMinBM[r]), io.single(s.StateAmtBM[r]), io.single(s.StatePerBM[r]);
        io.endRecord();
    }
    io.int16(s.NoStateTax);
    io.endRecord();
    for (size_t n = 0; n < 10; ++n) {
        io.single(s.StateSgExp[n]), io.single(s.StateMarExp[n]);
        io.endRecord();
    }
    io.single(s.SDIpercent), io.single(s.SUIpercent), io.single(s.SDIwageBase), io.single(s.SUIwageBase);
    io.single(s.StateAdj);
    io.int16(s.SDIuseBase), io.int16(s.SUIuseBase), io.int16(p.SsMediExempt), io.int16(s.Alabama);
    io.endRecord();
    io.int16(s.Ariz), io.int16(s.Louis), io.int16(s.Iowa), io.int16(p.StateExemptions), io.text(p.StateStatus);
    io.int16(p.FedExempt), io.single(p.FedAddl);
    io.int16(s.Mass), io.int16(s.Oregon), io.int16(s.Kentucky), io.int16(s.Missouri);
    io.endRecord();
}

} // namespace

std::string writeStateSettings(const StateSettings& s, const EmployeeProfile& p)
{
    return settingsText([&](SettingsWriter& w) { stateItems(w, s, p); });
}

std::optional<ReadFault> readStateSettings(const std::string& content, StateSettings& s, EmployeeProfile& p)
{
    return readSettingsText(content, [&](SettingsReader& r) { stateItems(r, s, p); });
}

std::filesystem::path stateFilePath(const std::filesystem::path& folder, const std::string& userName)
{
    return folder / (userName + ".sta");
}

bool stateFileExists(const std::filesystem::path& folder, const std::string& userName)
{
    return fileExists(stateFilePath(folder, userName));
}

FileOutcome loadStateFile(const std::filesystem::path& folder, const std::string& userName, StateSettings& state,
                          EmployeeProfile& profile)
{
    return loadSettingsFile(stateFilePath(folder, userName), FileMessageStyle::Settings,
                            [&](SettingsReader& r) { stateItems(r, state, profile); });
}

FileOutcome saveStateFile(const std::filesystem::path& folder, const std::string& userName,
                          const StateSettings& state, const EmployeeProfile& profile)
{
    return saveSettingsFile(stateFilePath(folder, userName), FileMessageStyle::Settings,
                            [&](SettingsWriter& w) { stateItems(w, state, profile); });
}

} // namespace tallyrin
