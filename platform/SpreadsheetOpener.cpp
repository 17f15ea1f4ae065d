#include "platform/SpreadsheetOpener.h"

#include "platform/QtText.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tallyrin {

bool openInSpreadsheet(const std::filesystem::path& workbook)
{
    // The desktop hands any file to its opener and reports success even when no program takes
    // workbooks; asking the desktop's own registry first tells the two apart.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                              QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
        if (!query.waitForFinished(5000) || query.readAllStandardOutput().trimmed().isEmpty())
            return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQt(workbook.string())));
}

} // namespace tallyrin
