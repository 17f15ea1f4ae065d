// What the workspace asks of the windows around it: the modal save screen, closing the secondary
// screens, ending the program. The Qt application implements it; the command line and the tests
// use their own.
#pragma once

namespace tallyrin {

class ShellWindows
{
public:
    virtual ~ShellWindows() = default;
    // Shows the save screen frmSaveUser modal and returns when it has closed (its buttons call the
    // workspace's cmdSaveUser_Click, cmdEnd_Click or cmdQuit_Click).
    virtual void showSaveUser() {}
    // Whenever the save screen closes: the overtime form, the ledger with its totals window and
    // frame, the state, city and non-city screens, the profile screen and the check form close.
    virtual void closeSecondaryScreens() {}
    // Closes every window and ends the program.
    virtual void endApplication() {}
};

} // namespace tallyrin
