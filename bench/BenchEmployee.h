// What the benchmarks share: an operator nobody answers, and a working folder with the federal
// tables and one employee whose every file was written once, as New and User Info write them.
#pragma once

#include "session/Workspace.h"
#include "text/Operator.h"

#include <filesystem>
#include <string>

namespace tallyrin::bench {

// Nobody answers: every message is dropped, every question answered No.
class SilentOperator : public Operator
{
public:
    void message(const std::string&, Icon, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> inputText(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const std::string&) override { return std::nullopt; }
    bool choosePrinter(const std::string&) override { return false; }
};

// Copies the shipped federal tables into `folder` and saves the employee `name` there: hourly
// at 18.25, married, 3 % pension.
inline void makeEmployee(const std::filesystem::path& folder, const std::string& name)
{
    namespace fs = std::filesystem;
    for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
        fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, folder / table, fs::copy_options::overwrite_existing);
    SilentOperator op;
    Workspace ws(op, folder);
    ws.startUp();
    ws.txtSaveUser = name;
    ws.cmdSaveUser_Click();
    ws.showTaxInfo();
    ws.taxInfo.txtHourRate = "18.25";
    ws.taxInfo.cboStatus = "Married";
    ws.taxInfo.txtPension = "3";
    ws.taxInfo_cmdOk();
}

} // namespace tallyrin::bench
