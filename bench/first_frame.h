#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Shows `window` and runs the event loop until the window has painted its
// first frame and the queue has drained, then returns. The program and the
// baseline start through this same code, so their start-up times compare.
class FirstFrameProbe final : public QObject {
public:
    explicit FirstFrameProbe(QWidget& window) : window_(window) { window_.installEventFilter(this); }

    int Run(QApplication& app) {
        window_.show();
        return app.exec();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget& window_;
    bool painted_ = false;
};
