#include <QJsonArray>
#include <QJsonObject>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <stdexcept>
#include <utility>

#include "pictures/picture_catalogue.h"
#include "window_fixture.h"

// Runs with the window's scale at 2 on three screens: on the first the
// window's pictures are drawn at 2, on one half as dense again at 3, and on
// one at 5 at 5. The screens' events come at once, so each check below sees
// the pictures before anything has painted them.

using namespace tolvane;

namespace {

QImage OnScreen(QWidget& box) {
    return box.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The box holds the picture drawn for `ratio`, at the picture's own size
// in the window's pixels, and shows it one device pixel to one.
void CheckShowsAt(ImageBox* box, PictureId id, double ratio) {
    const QImage expected = FetchPicture(id, ratio);
    QCOMPARE(box->Picture(), expected);
    QCOMPARE(box->size(), FetchPicture(id).size());
    QCOMPARE(OnScreen(*box), expected.convertToFormat(QImage::Format_ARGB32));
}

QScreen* ScreenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    throw std::logic_error("no screen " + name.toStdString());
}

// Gives the screen `name` another density while the window is on it, as
// Qt's offscreen platform lets a test do through its native interface.
void SetLogicalDpi(const QString& name, int dpi) {
    QPlatformNativeInterface* platform = QGuiApplication::platformNativeInterface();
    using Read = QJsonObject (*)(QPlatformNativeInterface*);
    using Write = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    QJsonObject configuration =
        reinterpret_cast<Read>(platform->nativeResourceForIntegration("configuration"))(platform);
    QJsonArray screens = configuration[QStringLiteral("screens")].toArray();
    for (auto screen : screens)
        if (screen.toObject()[QStringLiteral("name")] == name) {
            QJsonObject changed = screen.toObject();
            changed[QStringLiteral("logicalDpi")] = dpi;
            screen = changed;
        }
    configuration[QStringLiteral("screens")] = screens;
    reinterpret_cast<Write>(platform->nativeResourceForIntegration("setConfiguration"))(configuration, platform);
}

}  // namespace

class TestWindowDensity : public QObject {
    Q_OBJECT

private slots:
    void picturesDrawnForTheScreen();
    void drawnAgainOnAnotherScreen();
    void drawnAgainWhenTheScaleChanges();
};

// The face of the first card (the deck starts in order), back 58 and the smaller picture 70.
void TestWindowDensity::picturesDrawnForTheScreen() {
    Shown shown;
    QCOMPARE(shown.window.devicePixelRatioF(), 2.0);
    shown.Selector("comBack")->SetSelectedIndex(58 - kFirstBack);
    shown.Selector("comAll")->SetSelectedIndex(70 - kFirstPicture);
    CheckShowsAt(shown.Box("imgCard"), kFirstCard, 2);
    CheckShowsAt(shown.Box("imgBack"), 58, 2);
    CheckShowsAt(shown.Box("imgAll"), 70, 2);
}

void TestWindowDensity::drawnAgainOnAnotherScreen() {
    Shown shown;
    const std::pair<const char*, double> moves[] = {{"denser", 3}, {"densest", 5}, {"ordinary", 2}};
    for (const auto& [screen, ratio] : moves) {
        shown.window.move(ScreenNamed(screen)->geometry().topLeft() + QPoint(20, 20));
        QCOMPARE(shown.window.screen()->name(), QString(screen));
        QCOMPARE(shown.window.devicePixelRatioF(), ratio);
        CheckShowsAt(shown.Box("imgCard"), kFirstCard, ratio);
        CheckShowsAt(shown.Box("imgBack"), kFirstBack, ratio);
        CheckShowsAt(shown.Box("imgAll"), kFirstPicture, ratio);
    }
}

void TestWindowDensity::drawnAgainWhenTheScaleChanges() {
    Shown shown;
    SetLogicalDpi(QStringLiteral("ordinary"), 144);
    CheckShowsAt(shown.Box("imgBack"), kFirstBack, 3);
    SetLogicalDpi(QStringLiteral("ordinary"), 96);
    CheckShowsAt(shown.Box("imgBack"), kFirstBack, 2);
}

QTEST_MAIN(TestWindowDensity)
#include "test_window_density.moc"
