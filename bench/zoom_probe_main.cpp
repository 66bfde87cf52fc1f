// Usage: tolvane_zoom_probe zoom ROUNDS OUT | tolvane_zoom_probe copy OUT
// zoom: zooms Tolvane's window from 100 to 400 % and back, step by step,
// ROUNDS times, timing each step from the key to the window's next painted
// frame. copy: at 400 %, copies the card with Ctrl+C, then writes the copy
// as the PNG a program pasting it is given. Writes one line a figure to OUT:
//   step FROM TO ROUND MILLISECONDS PICTURES-DRAWN
//   copy MILLISECONDS
//   png MILLISECONDS WIDTH HEIGHT
// Under callgrind, the steps, or the copy, have a profile of their own: the
// second it writes (OUT of callgrind's --callgrind-out-file, then ".2").
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTest>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

#include "image_box.h"
#include "window/frmTolvane.h"
#include "zoom_steps.h"

namespace {

class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget& window) : window_(window) { window_.installEventFilter(this); }

    // Runs `work`, then the event loop until the window has painted again.
    double MillisecondsToFrame(const std::function<void()>& work) {
        painted_ = false;
        QElapsedTimer timer;
        timer.start();
        work();
        while (!painted_)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return timer.nsecsElapsed() / 1e6;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        painted_ = painted_ || (watched == &window_ && event->type() == QEvent::Paint);
        return false;
    }

private:
    QWidget& window_;
    bool painted_ = false;
};

// How many of the window's image boxes hold a picture drawn since `before`.
int PicturesDrawn(const QWidget& window, const std::vector<qint64>& before) {
    int drawn = 0;
    const QList<tolvane::ImageBox*> boxes = window.findChildren<tolvane::ImageBox*>();
    for (int box = 0; box < boxes.size(); ++box)
        drawn += boxes[box]->Picture().cacheKey() != before[box];
    return drawn;
}

std::vector<qint64> PictureKeys(const QWidget& window) {
    std::vector<qint64> keys;
    for (const tolvane::ImageBox* box : window.findChildren<tolvane::ImageBox*>())
        keys.push_back(box->Picture().cacheKey());
    return keys;
}

void Zoom(tolvane::frmTolvane& window, QKeySequence::StandardKey key, int expected) {
    QTest::keySequence(window.focusWidget(), key);
    const QString zoomed = QStringLiteral("Tolvane (%1)").arg(tolvane::ZoomText(expected));
    const QString title = expected == tolvane::kUnzoomed ? QStringLiteral("Tolvane") : zoomed;
    if (window.windowTitle() != title)
        throw std::runtime_error("the window did not zoom to " + std::to_string(expected) + " %: " +
                                 window.windowTitle().toStdString());
}

void ZoomRound(tolvane::frmTolvane& window, PaintWatch& watch, int round, std::ofstream& out) {
    const auto step = [&](QKeySequence::StandardKey key, int from, int to) {
        const std::vector<qint64> before = PictureKeys(window);
        const double milliseconds = watch.MillisecondsToFrame([&] { Zoom(window, key, to); });
        out << "step " << from << ' ' << to << ' ' << round << ' ' << milliseconds << ' '
            << PicturesDrawn(window, before) << '\n';
    };
    const auto& steps = tolvane::kZoomSteps;
    for (std::size_t next = 1; next < steps.size(); ++next)
        step(QKeySequence::ZoomIn, steps[next - 1], steps[next]);
    for (std::size_t next = steps.size() - 1; next > 0; --next)
        step(QKeySequence::ZoomOut, steps[next], steps[next - 1]);
}

void CopyAtLargest(tolvane::frmTolvane& window, std::ofstream& out) {
    for (std::size_t next = 1; next < tolvane::kZoomSteps.size(); ++next)
        Zoom(window, QKeySequence::ZoomIn, tolvane::kZoomSteps[next]);
    QElapsedTimer timer;
    CALLGRIND_DUMP_STATS;
    timer.start();
    QTest::keySequence(window.focusWidget(), QKeySequence::Copy);
    const double copyMilliseconds = timer.nsecsElapsed() / 1e6;
    CALLGRIND_DUMP_STATS;
    out << "copy " << copyMilliseconds << '\n';
    const QImage copied = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
    timer.start();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    copied.save(&png, "PNG");
    out << "png " << timer.nsecsElapsed() / 1e6 << ' ' << copied.width() << ' ' << copied.height() << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string what = argc > 1 ? argv[1] : "";
    if (!(what == "zoom" && argc == 4) && !(what == "copy" && argc == 3)) {
        std::fprintf(stderr, "usage: tolvane_zoom_probe zoom ROUNDS OUT | tolvane_zoom_probe copy OUT\n");
        return 2;
    }
    std::ofstream out(argv[argc - 1]);
    tolvane::frmTolvane window;
    PaintWatch watch(window);
    watch.MillisecondsToFrame([&] { window.show(); });
    if (what == "zoom") {
        CALLGRIND_DUMP_STATS;
        for (int round = 0; round < std::stoi(argv[2]); ++round)
            ZoomRound(window, watch, round, out);
        CALLGRIND_DUMP_STATS;
    } else {
        CopyAtLargest(window, out);
    }
    return out ? 0 : 1;
}
