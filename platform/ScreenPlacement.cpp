#include "platform/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tallyrin {

void placeWithinScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame adds its title bar and borders around the contents.
    const QRect frame = window.frameGeometry();
    const int extraWidth = std::max(0, frame.width() - window.width());
    const int extraHeight = std::max(0, frame.height() - window.height());
    const int width = std::min(window.width(), area.width() - extraWidth);
    const int height = std::min(window.height(), area.height() - extraHeight);
    if (width != window.width() || height != window.height())
        window.resize(width, height);
    const int x = std::clamp(window.frameGeometry().x(), area.left(), std::max(area.left(), area.right() + 1 - width - extraWidth));
    const int y = std::clamp(window.frameGeometry().y(), area.top(), std::max(area.top(), area.bottom() + 1 - height - extraHeight));
    window.move(x, y);
}

} // namespace tallyrin
