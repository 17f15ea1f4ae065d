// "&Print Image": a picture of a window as it stands on the screen, printed on one page.
#pragma once

class QPrinter;
class QWidget;

namespace tallyrin {

// Prints the image of `window` (what QWidget::grab shows) on one page of `printer`, as large as
// the printable area allows, keeping its proportions, centred across and starting at the top.
// False when the printer could not be started; nothing is printed then.
bool printWindowImage(QWidget& window, QPrinter& printer);

} // namespace tallyrin
