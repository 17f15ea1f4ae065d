// What the workspace asks of the windows around it: the modal save screen, closing the secondary
// screens, ending the program. The Qt application implements every one (a link left out does not
// compile); a workspace without windows (the command line) has NoShellWindows.
#pragma once

namespace tallyrin {

class ShellWindows
{
public:
    virtual ~ShellWindows() = default;
    // Shows the save screen frmSaveUser modal and returns when it has closed (its buttons call the
    // workspace's cmdSaveUser_Click, cmdEnd_Click or cmdQuit_Click).
    virtual void showSaveUser() = 0;
    // Whenever the save screen closes: the overtime form, the ledger with its totals window and
    // frame, the state, city and non-city screens, the profile screen and the check form close.
    virtual void closeSecondaryScreens() = 0;
    // Closes every window and ends the program.
    virtual void endApplication() = 0;
};

// No windows around the workspace: there is no save screen to show, nothing to close and no
// application to end.
class NoShellWindows final : public ShellWindows
{
public:
    void showSaveUser() override {}
    void closeSecondaryScreens() override {}
    void endApplication() override {}
};

} // namespace tallyrin
