// A state screen's links that record what the screen asks of the rest of the program.
#pragma once

#include "screens/DialogStateScreen.h"

#include <string>
#include <vector>

namespace tallyrin {

// Records what the screen asks of the rest of the program.
struct RecordingLinks : DialogStateLinks
{
    std::vector<std::string> calls;
    bool companionsSucceed = true;

    void reloadProfile() override { calls.push_back("reloadProfile"); }
    bool saveCompanionFiles(const std::string& userName) override
    {
        calls.push_back("companions " + userName);
        return companionsSucceed;
    }
    bool saveLeaveBalances(const std::string& userName) override
    {
        calls.push_back("leave " + userName);
        return true;
    }
    bool saveLocalSettings(const std::string& userName) override
    {
        calls.push_back("local " + userName);
        return true;
    }
    void closeOtherScreens() override { calls.push_back("closeOtherScreens"); }
};

} // namespace tallyrin
