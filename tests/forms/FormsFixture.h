// A workspace for screen tests: a temporary working folder with the shipped federal tables, a
// scripted operator and a fixed day.
#pragma once

#include "session/Workspace.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QTest>

#include <filesystem>
#include <memory>

namespace tallyrin::testing {

struct FormsWorkspace
{
    explicit FormsWorkspace(CalendarDate today = {2009, 3, 7})
    {
        for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
            std::filesystem::copy_file(std::filesystem::path(SHIPPED_DATA_DIR) / table, folder / table);
        ws = std::make_unique<Workspace>(dialogs, folder.path(), [today] { return today; });
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Workspace> ws;
};

// Clicks a check box or option button on its indicator, as the operator does (a click on the empty
// part of a wide button does nothing).
inline void clickIndicator(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace tallyrin::testing
