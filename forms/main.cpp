// The desktop program: prepares the operator's payroll folder, then opens the main pay form on it.
#include "app/WorkingFolder.h"
#include "employee/EmployeeStore.h"
#include "text/FileStore.h"
#include "session/Workspace.h"
#include "forms/Form1.h"
#include "platform/PrintFont.h"
#include "platform/QtOperator.h"
#include "platform/QtPrintDevice.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <exception>
#include <filesystem>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyrin 2009"));
    QApplication::setOrganizationName(QStringLiteral("Tallyrin"));

    tallyrin::QtOperator op;
    try {
        const std::filesystem::path home = QDir::homePath().toStdString();
        const std::filesystem::path folder = tallyrin::defaultWorkingFolder(home);
        const auto programFolder = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
        const auto prepared = tallyrin::prepareWorkingFolder(folder, tallyrin::findDataDir(programFolder));
        if (!prepared.message.empty())
            op.message(prepared.message, tallyrin::Icon::Critical);
        // Without its folder the program could neither read its tables nor keep an employee's files.
        if (!std::filesystem::is_directory(folder))
            return 1;
        op.setChooserFolder(QString::fromStdString(folder.string()));
        if (const auto font = tallyrin::printFontProblemOnce())
            op.message(*font, tallyrin::Icon::Exclamation);
        // Payroll files are private: an open folder is named once, and tightened when the clerk agrees.
        if (tallyrin::folderOpenToOthers(folder) &&
            op.askYesNo("Payroll folder", tallyrin::permissionsWarning(folder)))
            if (const std::string problems = tallyrin::tightenPermissions(folder); !problems.empty())
                op.message("These could not be made yours alone:\r\n" + problems, tallyrin::Icon::Exclamation);

        // No output the operator names (a W-2 file, a deposit file, a workbook) replaces a file the
        // program keeps in the working folder.
        const tallyrin::OutputGuardScope outputGuard(
            [folder](const std::filesystem::path& target) { return tallyrin::programFileRefused(folder, target); });
        tallyrin::Workspace ws(op, folder);
        tallyrin::Form1 form(ws);
        form.setPrinterSource([&op] { return &op.printer(); });
        tallyrin::QtPrintDevice printDevice(op);
        form.setPrintDevice(&printDevice);
        op.setParentWidget(&form);
        ws.startUp();
        form.showScreen();
        form.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        // A broken invariant: say so rather than vanish.
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromUtf8(e.what()));
        return 1;
    }
}
