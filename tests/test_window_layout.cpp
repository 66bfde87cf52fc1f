#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <utility>

#include "pictures/picture_catalogue.h"
#include "pictures/icon/program_icon.h"
#include "scripted_random.h"
#include "window/program_identity.h"
#include "window/window_layout.h"
#include "window_fixture.h"

using namespace tolvane;

namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);
constexpr double kInchesPerMetre = 1 / 0.0254;

// The layout as drawn up, in twips: left, top, width, height.
const std::pair<QString, QRect> kTwipTable[] = {
    {"client area", {0, 0, 4845, 6375}},   {"lstDeck", {120, 150, 3405, 5520}},
    {"cmdShuffle", {2100, 5790, 1395, 495}}, {"comAll", {3630, 5280, 1065, 315}},
    {"comBack", {3630, 3300, 1065, 315}},  {"imgCard", {3630, 210, 1065, 1425}},
    {"imgBack", {3630, 1830, 1065, 1425}}, {"imgAll", {3630, 3810, 1065, 1425}},
};

// To the nearest pixel, a half rounding up.
QRect InPixels(const QRect& twips, int dpiX, int dpiY) {
    const auto pixels = [](int length, int dpi) { return (length * dpi + 720) / 1440; };
    return {pixels(twips.x(), dpiX), pixels(twips.y(), dpiY), pixels(twips.width(), dpiX), pixels(twips.height(), dpiY)};
}

const TwipRect& TwipsOf(const QString& control) {
    for (const ControlPlace& place : kControlPlaces)
        if (control == QLatin1String(place.control))
            return place.twips;
    throw std::logic_error("no place for " + control.toStdString());
}

QImage Grab(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool ShowsPictureAt(const QImage& grab, QPoint topLeft, PictureId id) {
    const QImage picture = FetchPicture(id).convertToFormat(QImage::Format_RGB32);
    return grab.copy(QRect(topLeft, picture.size())) == picture;
}

QString Spoken(QWidget* control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

}  // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    // Non-square densities catch the two dots-per-inch swapped; at 120 and
    // 144 some places end in a fraction of a half or more, which rounds up.
    void twipsBecomePixelsAtTheDevicesDpi_data() {
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::newRow("96") << 96 << 96;
        QTest::newRow("120 x 144") << 120 << 144;
        QTest::newRow("144 x 120") << 144 << 120;
    }
    void twipsBecomePixelsAtTheDevicesDpi() {
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(qRound(dpiX * kInchesPerMetre));
        device.setDotsPerMeterY(qRound(dpiY * kInchesPerMetre));
        for (const auto& [control, twips] : kTwipTable) {
            const TwipRect& placed = control == QLatin1String("client area") ? kClientArea : TwipsOf(control);
            QCOMPARE(TwipsToPixels(placed, device), InPixels(twips, dpiX, dpiY));
        }
    }

    // The window keeps its size and its controls their places when its
    // frame is asked to grow; an image box takes the size of its picture.
    void controlsStandAtTheirPlaces() {
        Shown shown;
        for (const QSize asked : {QSize(), QSize(600, 700)}) {
            if (asked.isValid())
                shown.window.resize(asked);
            for (const auto& [control, twips] : kTwipTable) {
                const QRect placed = InPixels(twips, shown.window.logicalDpiX(), shown.window.logicalDpiY());
                if (control == QLatin1String("client area")) {
                    QCOMPARE(shown.window.size(), placed.size());
                    continue;
                }
                QWidget* widget = shown.Find<QWidget>(qPrintable(control));
                const auto* box = qobject_cast<ImageBox*>(widget);
                QCOMPARE(widget->geometry(), QRect(placed.topLeft(), box != nullptr ? box->Picture().size() : placed.size()));
            }
        }
    }

    void windowHasItsCaptionAndIcon() {
        Shown shown;
        QCOMPARE(shown.window.windowTitle(), QString("Tolvane"));
        QCOMPARE(shown.window.windowIcon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32),
                 DrawProgramIcon(IconImage::Colour16));
    }

    // The card reaches one pixel below its placed 95-pixel box, and does
    // not touch the back picture below it.
    void windowShowsThePicturesPixelForPixel() {
        Shown shown;
        const QImage grab = Grab(shown.window);
        QVERIFY(ShowsPictureAt(grab, QPoint(242, 14), 1));
        QVERIFY(ShowsPictureAt(grab, QPoint(242, 122), 53));
        QVERIFY(ShowsPictureAt(grab, QPoint(242, 254), 1));
    }

    void smallPictureLeavesTheBackgroundShowing() {
        Shown shown;
        const QRgb background = shown.window.palette().color(QPalette::Window).rgb();
        ChooseWithKeyboard(shown.Selector("comAll"), "71");
        const QImage grab = Grab(shown.window);
        QVERIFY(ShowsPictureAt(grab, QPoint(242, 254), 71));
        const QRect placed(242, 254, 71, 95);
        const QRect picture(placed.topLeft(), FetchPicture(71).size());
        for (int y = placed.top(); y <= placed.bottom(); ++y)
            for (int x = placed.left(); x <= placed.right(); ++x)
                if (!picture.contains(x, y))
                    QCOMPARE(grab.pixel(x, y), background);
        ChooseWithKeyboard(shown.Selector("comAll"), "1");
        QVERIFY(ShowsPictureAt(Grab(shown.window), QPoint(242, 254), 1));
    }

    void tabRunsListShuffleAllBack() {
        Shown shown;
        QCOMPARE(QApplication::focusWidget(), shown.List());
        const char* const order[] = {"cmdShuffle", "comAll", "comBack", "lstDeck"};
        for (const char* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), shown.Find<QWidget>(next));
        }
        QTest::mouseClick(shown.Box("imgCard"), Qt::LeftButton);  // image boxes take no focus
        QCOMPARE(QApplication::focusWidget(), shown.List());
    }

    void enterInTheListDoesNotShuffle() {
        auto random = std::make_unique<ScriptedRandom>(std::vector<double>{kJustBelowOne});
        const ScriptedRandom& draws = *random;
        Shown shown(std::move(random));
        const Deck before = shown.window.CurrentDeck();
        QTest::keyClick(shown.List(), Qt::Key_Return);
        QTest::keyClick(shown.List(), Qt::Key_Enter);
        QCOMPARE(draws.reseeds, 0);
        QVERIFY(shown.window.CurrentDeck() == before);
        QCOMPARE(shown.List()->currentRow(), 0);
    }

    void spaceOnTheFocusedButtonShuffles() {
        auto random = std::make_unique<ScriptedRandom>(std::vector<double>{kJustBelowOne});
        const ScriptedRandom& draws = *random;
        Shown shown(std::move(random));
        auto* shuffle = shown.Find<QPushButton>("cmdShuffle");
        shuffle->setFocus(Qt::TabFocusReason);
        QTest::keyClick(shuffle, Qt::Key_Space);
        QCOMPARE(draws.reseeds, 1);
        QCOMPARE(shown.List()->item(0)->text(), QString("K of Spades"));
    }

    void everyControlHasASpokenName() {
        Shown shown;
        QSet<QString> names;
        for (QWidget* control : shown.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            names << Spoken(control, QAccessible::Name);
        QCOMPARE(names.size(), 7);
        QVERIFY(!names.contains(QString()));
    }

    void imageDescriptionsFollowThePictures() {
        Shown shown(std::make_unique<ScriptedRandom>(std::vector<double>{kJustBelowOne}));
        QCOMPARE(Spoken(shown.Box("imgCard"), QAccessible::Description), QString("A of Clubs"));
        QCOMPARE(Spoken(shown.Box("imgBack"), QAccessible::Description), QString("Picture 53"));
        QCOMPARE(Spoken(shown.Box("imgAll"), QAccessible::Description), QString("Picture 1"));
        QTest::mouseClick(shown.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
        ChooseWithKeyboard(shown.Selector("comBack"), "60");
        ChooseWithKeyboard(shown.Selector("comAll"), "71");
        QCOMPARE(Spoken(shown.Box("imgCard"), QAccessible::Description), QString("K of Spades"));
        QCOMPARE(Spoken(shown.Box("imgBack"), QAccessible::Description), QString("Picture 60"));
        QCOMPARE(Spoken(shown.Box("imgAll"), QAccessible::Description), QString("Picture 71"));
    }

    void programReportsItsVersion() {
        IdentifyProgram();
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.00"));
        QCOMPARE(QCoreApplication::applicationName(), QString("Tolvane"));
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
