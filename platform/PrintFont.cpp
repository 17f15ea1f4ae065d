#include "platform/PrintFont.h"

#include <QFont>
#include <QFontInfo>

#include <atomic>

namespace tallyrin {

std::optional<std::string> printFontProblem()
{
    const QString wanted = QStringLiteral("Liberation Sans");
    QFont font(wanted);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (QFontInfo(font).family().compare(wanted, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return "The font Liberation Sans is not installed. Paychecks and pay statements are laid out for it; with "
           "another font the check's date and amount may be cut off.\r\nInstall the package fonts-liberation "
           "(apt install fonts-liberation), then print again.";
}

std::optional<std::string> printFontProblemOnce()
{
    static std::atomic<bool> asked{false};
    if (asked.exchange(true))
        return std::nullopt;
    return printFontProblem();
}

} // namespace tallyrin
