// A widget made with its object name, the name the screens and the tests find it by.
#pragma once

#include <QString>
#include <QWidget>

#include <utility>

namespace tallyrin {

// `new Widget(args..., parent)` named `name`.
template <class Widget, class... Args> Widget* named(QWidget* parent, const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace tallyrin
