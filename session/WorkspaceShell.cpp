// The workspace's shell: the title, the save screen, New, Open and Exit.
#include "session/Workspace.h"

#include "text/FileStore.h"

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

const char* const kSaveTitle = "Save?";

} // namespace

void Workspace::showTitle(const std::string& title)
{
    form1.caption = title;
    form1.lbUser = userName();
}

void Workspace::showSaveUser()
{
    txtSaveUser = userName();
    m_windows->showSaveUser();
}

void Workspace::closeSecondaryScreens()
{
    stateScreen.close();
    cityScreen.Unload();
    nonCityScreen.Unload();
    overtimeScreen.close();
    m_windows->closeSecondaryScreens();
}

void Workspace::mnuSave_Click() { showSaveUser(); }

void Workspace::cmdSaveUser_Click() { saveUnderTypedName(true); }

void Workspace::saveUnderTypedName(bool titleShowsName)
{
    const std::string user = txtSaveUser;
    if (const auto refused = refusedUserName(user)) {
        m_op.message(*refused, Icon::Exclamation);
        return;
    }
    m_files.setUserName(user);
    if (writeFiles(user, false)) {
        form1.lbUser = user;
        // After the operator's save the title is the bare name typed on the save screen; the
        // save that ends every calculation leaves the title as New or Open set it.
        if (titleShowsName)
            form1.caption = user;
    }
    closeSecondaryScreens();
}

void Workspace::cmdEnd_Click() { closeSecondaryScreens(); }

void Workspace::cmdQuit_Click()
{
    m_quit = true;
    closeSecondaryScreens();
    m_windows->endApplication();
}

void Workspace::mnuNew_Click()
{
    // With no employee open there is nobody to save: nothing is asked.
    if (employeeOpen() && m_op.askYesNo(kSaveTitle, "........SAVE PREVIOUS USER?")) {
        showSaveUser();
        if (m_quit)
            return;
    }
    const std::optional<std::string> answer = m_op.inputText("File New", "Enter new user:");
    if (!answer)
        return; // Cancel: nothing changes
    const std::string name = *answer;
    if (const auto refused = refusedUserName(name)) {
        m_op.message(*refused, Icon::Exclamation);
        return;
    }
    if (fileExists(m_files.pathFor(name, ".use"))) {
        // The previous employee stays open under its own name: a later save must not write its
        // data over the existing employee's files.
        m_op.message("........" + name + " already exists. Use Open");
        return;
    }
    m_files.setUserName(name);
    txtSaveUser = name;
    showTitle("  User:  " + name);

    // A blank employee on every screen, the state screen's New York preset applied.
    employee.startBlank();
    overtimeScreen.close();
    overtimeScreen.ClearAll();
    vacScreen.clearVac();
    Clear_All();
    taxInfo.clearAll(profile);
    closeSecondaryScreens();
    stateScreen.cmdDefault_Click();
    stateScreen.readScreen();
    stateScreen.close();
    cityScreen.Unload();
    nonCityScreen.Unload();

    // One calculation; its closing save writes the new employee's files.
    Calcu_late(true);
}

void Workspace::mnuOpen_Click()
{
    if (employeeOpen()) {
        showSaveUser();
        if (m_quit)
            return;
    }
    m_op.openChooserIn(workingFolder()); // where the employees are, whatever was chosen before
    const std::optional<std::string> chosen = m_op.chooseOpenFile("Saved Files (*.use)|*.use");
    if (!chosen)
        return; // nothing loaded; the previous employee stays open
    openEmployee(fs::path(*chosen));
}

void Workspace::openListedEmployee(const std::string& user)
{
    if (employeeOpen()) {
        showSaveUser();
        if (m_quit)
            return;
    }
    openEmployee(workingFolder() / (user + ".use"));
}

void Workspace::mnuExitItem_Click()
{
    if (m_op.askYesNo(kSaveTitle, "     SAVE USER'S SETTINGS?"))
        showSaveUser();
    m_quit = true;
}

} // namespace tallyrin
