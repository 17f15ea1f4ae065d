// Widgets made with their object names, the names the screens and the tests find them by.
#pragma once

#include <QAction>
#include <QBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace tallyrin {

// `new Widget(args..., parent)` named `name`.
template <class Widget, class... Args> Widget* named(QWidget* parent, const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

struct NamedButton
{
    const char* name;
    QString caption;
    std::function<void()> pressed;
};

// A row of buttons of `parent`, right-aligned, each running its `pressed`.
inline QHBoxLayout* buttonsRow(QWidget* parent, const std::vector<NamedButton>& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const NamedButton& b : buttons) {
        auto* button = named<QPushButton>(parent, b.name, b.caption);
        QObject::connect(button, &QPushButton::clicked, parent, b.pressed);
        row->addWidget(button);
    }
    return row;
}

// A menu bar over `layout` holding the one command `name`, which runs `pressed`.
inline QAction* menuBarCommand(QWidget* parent, QBoxLayout* layout, const char* name, const QString& caption,
                               const std::function<void()>& pressed)
{
    auto* bar = new QMenuBar(parent);
    QAction* command = bar->addAction(caption);
    command->setObjectName(QString::fromLatin1(name));
    QObject::connect(command, &QAction::triggered, parent, pressed);
    layout->setMenuBar(bar);
    return command;
}

} // namespace tallyrin
