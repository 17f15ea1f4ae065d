#include "state/StateFile.h"

#include "text/FileStore.h"

namespace tallyrin {

std::string writeStateSettings(const StateSettings& s, const EmployeeProfile& p)
{
    SettingsWriter w;
    for (int r = 0; r < 10; ++r) {
        w.single(s.StateMinBS[r]).single(s.StateAmtBS[r]).single(s.StatePerBS[r]);
        w.single(s.StateMinBM[r]).single(s.StateAmtBM[r]).single(s.StatePerBM[r]).endRecord();
    }
    w.int16(s.NoStateTax).endRecord();
    for (int n = 0; n < 10; ++n)
        w.single(s.StateSgExp[n]).single(s.StateMarExp[n]).endRecord();
    w.single(s.SDIpercent).single(s.SUIpercent).single(s.SDIwageBase).single(s.SUIwageBase).single(s.StateAdj);
    w.int16(s.SDIuseBase).int16(s.SUIuseBase).int16(p.SsMediExempt).int16(s.Alabama).endRecord();
    w.int16(s.Ariz).int16(s.Louis).int16(s.Iowa).int16(p.StateExemptions).text(p.StateStatus);
    w.int16(p.FedExempt).single(p.FedAddl);
    w.int16(s.Mass).int16(s.Oregon).int16(s.Kentucky).int16(s.Missouri).endRecord();
    return w.str();
}

std::optional<ReadFault> readStateSettings(const std::string& content, StateSettings& s, EmployeeProfile& p)
{
    // The reader refuses every item after its first fault, so the reads simply run on.
    SettingsReader r(content);
    for (int row = 0; row < 10; ++row) {
        r.single(s.StateMinBS[row]), r.single(s.StateAmtBS[row]), r.single(s.StatePerBS[row]);
        r.single(s.StateMinBM[row]), r.single(s.StateAmtBM[row]), r.single(s.StatePerBM[row]);
    }
    r.int16(s.NoStateTax);
    for (int n = 0; n < 10; ++n)
        r.single(s.StateSgExp[n]), r.single(s.StateMarExp[n]);
    r.single(s.SDIpercent), r.single(s.SUIpercent), r.single(s.SDIwageBase), r.single(s.SUIwageBase);
    r.single(s.StateAdj);
    r.int16(s.SDIuseBase), r.int16(s.SUIuseBase), r.int16(p.SsMediExempt), r.int16(s.Alabama);
    r.int16(s.Ariz), r.int16(s.Louis), r.int16(s.Iowa), r.int16(p.StateExemptions), r.text(p.StateStatus);
    r.int16(p.FedExempt), r.single(p.FedAddl);
    r.int16(s.Mass), r.int16(s.Oregon), r.int16(s.Kentucky), r.int16(s.Missouri);
    return r.fault();
}

std::filesystem::path stateFilePath(const std::filesystem::path& folder, const std::string& userName)
{
    return folder / (userName + ".sta");
}

bool stateFileExists(const std::filesystem::path& folder, const std::string& userName)
{
    return fileExists(stateFilePath(folder, userName));
}

std::string corruptStateFileMessage(const std::string& fileName)
{
    return "You have corupted a file.\r\nFind file,\r\n" + fileName + "\r\nand delete it.";
}

StateFileLoad loadStateFile(const std::filesystem::path& folder, const std::string& userName, StateSettings& state,
                            EmployeeProfile& profile)
{
    StateFileLoad result;
    const std::optional<std::string> content = readWholeFile(stateFilePath(folder, userName));
    if (!content)
        return result;
    result.found = true;
    if (readStateSettings(*content, state, profile))
        result.message = corruptStateFileMessage(userName + ".sta");
    return result;
}

std::optional<std::string> saveStateFile(const std::filesystem::path& folder, const std::string& userName,
                                         const StateSettings& state, const EmployeeProfile& profile)
{
    if (!replaceFile(stateFilePath(folder, userName), writeStateSettings(state, profile)))
        return kStateSaveFailed;
    return std::nullopt;
}

} // namespace tallyrin
