// Texts cross between the core (UTF-8 std::string) and Qt (QString) only through these two.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tallyrin {

inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStd(const QString& text) { return text.toUtf8().toStdString(); }

} // namespace tallyrin
