// Screen tests answer modal dialogs by acting on them from a timer once they are up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace tallyrin::testing {

// Runs `act` on the next modal dialog that opens (checked every few milliseconds, given up after
// thirty seconds so that a missing dialog fails the test instead of hanging it; a busy machine may
// take seconds to bring a file chooser up).
inline void onNextModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && (*waited += 10) < 30000)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            act(modal);
    });
    timer->start();
}

} // namespace tallyrin::testing
