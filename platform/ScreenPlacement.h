// Every window opens within the screen area the desktop leaves free (a 1280 x 800 screen less its
// panels): no larger than that area, and moved inside it.
#pragma once

class QWidget;

namespace tallyrin {

void placeWithinScreen(QWidget& window);

} // namespace tallyrin
