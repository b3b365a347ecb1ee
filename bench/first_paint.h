#pragma once
// The moment a window is first on screen: its first paint. The start-up probes end there.
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace kedravo::bench {

// Runs `then` once, from the event loop, right after `window` has been painted for the first time.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then) : then_(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_)
            QTimer::singleShot(0, std::exchange(then_, nullptr));
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

} // namespace kedravo::bench
