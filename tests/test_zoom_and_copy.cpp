#include <QAction>
#include <QClipboard>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <optional>
#include <stdexcept>

#include "picture_previews.h"
#include "picture_transfer.h"
#include "pictures/picture_catalogue.h"
#include "spoken_notice.h"
#include "window_fixture.h"
#include "window_layout.h"

// Runs on a screen large enough for every zoom and one that is not, once at
// scale 1 and once at scale 2 (CTest sets QT_SCALE_FACTOR).

using namespace tolvane;

namespace {

// What the test does to the window, one word a step.
enum class Act {
    In, InWithEquals, InOnKeypad, Out, OutOnKeypad, Reset, WheelUp, WheelDown, FineWheelUp, PlainWheel, ToSmallScreen,
    DesktopFontGrowsAndReturns
};

// The image's pixels alone, as one device pixel to one.
QImage Pixels(const QImage& image) {
    QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

// To the nearest pixel, a half rounding up, at 96 dpi and `percent`.
int Zoomed(int twips, int percent) {
    return (twips * 96 * percent / 100 + 720) / 1440;
}

QRect Zoomed(const TwipRect& twips, int percent) {
    return {Zoomed(twips.left, percent), Zoomed(twips.top, percent), Zoomed(twips.width, percent),
            Zoomed(twips.height, percent)};
}

QScreen* ScreenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    throw std::logic_error("no screen " + name.toStdString());
}

// Turns the wheel by `eighthsOfDegrees` over the list, as the window system
// hands it to the window.
void Wheel(Shown& shown, int eighthsOfDegrees, Qt::KeyboardModifiers modifiers) {
    QWidget* viewport = shown.List()->viewport();
    const QPointF over = viewport->mapTo(&shown.window, viewport->rect().center());
    QWheelEvent wheel(over, shown.window.mapToGlobal(over), {}, {0, eighthsOfDegrees}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(shown.window.windowHandle(), &wheel);
}

void Do(Shown& shown, Act act) {
    QWidget* focused = QApplication::focusWidget();
    switch (act) {
    case Act::In: return QTest::keySequence(focused, QKeySequence::ZoomIn);
    case Act::InWithEquals: return QTest::keyClick(focused, Qt::Key_Equal, Qt::ControlModifier);
    case Act::InOnKeypad: return QTest::keyClick(focused, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    case Act::Out: return QTest::keySequence(focused, QKeySequence::ZoomOut);
    case Act::OutOnKeypad: return QTest::keyClick(focused, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    case Act::Reset: return QTest::keyClick(focused, Qt::Key_0, Qt::ControlModifier);
    case Act::WheelUp: return Wheel(shown, 120, Qt::ControlModifier);
    case Act::WheelDown: return Wheel(shown, -120, Qt::ControlModifier);
    case Act::FineWheelUp:
        for (int turn = 0; turn < 4; ++turn)
            Wheel(shown, 30, Qt::ControlModifier);
        return;
    case Act::PlainWheel: {
        QScrollBar* scroll = shown.List()->verticalScrollBar();
        const int before = scroll->value();
        Wheel(shown, 120, Qt::NoModifier);
        QVERIFY2(scroll->value() < before, "the wheel without Ctrl no longer scrolls the list");
        return;
    }
    case Act::DesktopFontGrowsAndReturns: {
        const QFont desktop = QApplication::font();
        QFont larger = desktop;
        larger.setPointSize(20);
        const QSize before = shown.window.size();
        QApplication::setFont(larger);
        const bool grew = ComesTrue([&] { return shown.window.width() > before.width(); });
        QApplication::setFont(desktop);
        QVERIFY2(grew, "the zoomed window did not grow with the desktop's font");
        QVERIFY2(ComesTrue([&] { return shown.window.size() == before; }),
                 "the zoomed window did not come back to its size with the desktop's font");
        return;
    }
    case Act::ToSmallScreen:  // in its middle, where a larger window runs past its edge
        shown.window.move(ScreenNamed("small")->geometry().center());
        QCOMPARE(shown.window.screen()->name(), QString("small"));
        return;
    }
}

// The picture `id` drawn for the window's screen at `percent`.
QImage Expected(const QWidget& window, PictureId id, int percent) {
    return FetchPicture(id, window.devicePixelRatioF() * percent / 100);
}

void CheckBoxShows(ImageBox* box, PictureId id, int percent) {
    const QImage expected = Expected(*box, id, percent);
    QCOMPARE(box->Picture(), expected);
    QCOMPARE(box->size(), (QSizeF(expected.size()) / box->devicePixelRatioF()).toSize());
    // Where the zoomed picture ends in half a pixel of the window's, the box
    // covers that pixel's last column or row as well.
    QCOMPARE(Pixels(box->grab().toImage()).copy(QRect(QPoint(), expected.size())), Pixels(expected));
}

// The text and image the clipboard holds are those of the picture `id`
// drawn for the window's screen at `percent`.
void CheckClipboardHolds(const QWidget& window, PictureId id, int percent) {
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr);
    QCOMPARE(copied->text(), PictureSubject(id));
    const QImage expected = Expected(window, id, percent);
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()), expected);
}

}  // namespace

Q_DECLARE_METATYPE(QList<Act>)

class TestZoomAndCopy : public QObject {
    Q_OBJECT

private slots:
    // Qt Test's main has styles take every screen for 96 dpi, where the
    // program lets them size their parts by the DPI, as the zoomed window's
    // style has them do.
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false); }

    // Each row ends at one zoom, here at scale 1 and at scale 2: on the
    // small screen the window stops at the largest step it fits at.
    void zoomGrowsTheWholeWindow_data() {
        QTest::addColumn<QList<Act>>("acts");
        QTest::addColumn<int>("atScale1");
        QTest::addColumn<int>("atScale2");
        QTest::addColumn<QString>("spoken");
        const QList<Act> sixIn(6, Act::In);
        QTest::newRow("Ctrl+Plus") << QList<Act>{Act::In} << 125 << 125 << "Zoom 125 %";
        QTest::newRow("Ctrl+= and the keypad's") << QList<Act>{Act::InWithEquals, Act::InOnKeypad} << 150 << 150
                                                 << "Zoom 150 %";
        QTest::newRow("no further than 400") << (sixIn + QList<Act>{Act::In}) << 400 << 400 << "Zoom 400 %";
        QTest::newRow("in and out") << QList<Act>{Act::In, Act::In, Act::In, Act::Out, Act::OutOnKeypad} << 125 << 125
                                    << "Zoom 125 %";
        QTest::newRow("out at 100") << QList<Act>{Act::Out} << 100 << 100 << "";
        QTest::newRow("Ctrl+0 from 400") << (sixIn + QList<Act>{Act::Reset}) << 100 << 100 << "Zoom 100 %";
        QTest::newRow("Ctrl+wheel") << QList<Act>{Act::WheelUp, Act::WheelUp, Act::WheelDown, Act::FineWheelUp}
                                    << 150 << 150 << "Zoom 150 %";
        QTest::newRow("wheel alone scrolls") << QList<Act>{Act::PlainWheel, Act::In} << 125 << 125 << "Zoom 125 %";
        QTest::newRow("desktop font while zoomed") << (sixIn + QList<Act>{Act::DesktopFontGrowsAndReturns}) << 400
                                                   << 400 << "Zoom 400 %";
        QTest::newRow("small screen") << (QList<Act>{Act::ToSmallScreen} + sixIn) << 300 << 150
                                      << (QGuiApplication::primaryScreen()->devicePixelRatio() == 1 ? "Zoom 300 %"
                                                                                                    : "Zoom 150 %");
    }
    void zoomGrowsTheWholeWindow() {
        QFETCH(QList<Act>, acts);
        QFETCH(int, atScale1);
        QFETCH(int, atScale2);
        QFETCH(QString, spoken);
        Shown shown;
        EntryList* list = shown.List();
        QTest::keyClick(list, Qt::Key_End);
        for (Act act : acts)
            Do(shown, act);
        const int percent = shown.window.devicePixelRatioF() == 1 ? atScale1 : atScale2;

        const QString title = percent == 100 ? QString("Tolvane") : QString("Tolvane (%1 %)").arg(percent);
        QCOMPARE(shown.window.windowTitle(), title);
        QCOMPARE(shown.window.findChild<SpokenNotice*>()->accessibleName(), spoken);
        QCOMPARE(shown.window.size(), Zoomed(kClientArea, percent).size());
        QVERIFY(shown.window.screen()->availableGeometry().contains(shown.window.frameGeometry()));
        // The desktop's font, at 100 % the very font, grows with the rest.
        QFont font = QApplication::font();
        if (percent != 100)
            font.setPointSizeF(font.pointSizeF() * percent / 100);
        for (const ControlPlace& place : kControlPlaces) {
            QWidget* control = shown.Find<QWidget>(place.control);
            QCOMPARE(control->pos(), Zoomed(place.twips, percent).topLeft());
            if (qobject_cast<ImageBox*>(control) == nullptr)
                QCOMPARE(control->size(), Zoomed(place.twips, percent).size());
            QCOMPARE(control->font(), font);
        }
        CheckBoxShows(shown.Box("imgCard"), kLastCard, percent);
        CheckBoxShows(shown.Box("imgBack"), kFirstBack, percent);
        CheckBoxShows(shown.Box("imgAll"), kFirstPicture, percent);
        const int previewHeight = PicturePreviews::kPreviewBox.height() * percent / 100;
        EntrySelector* selector = shown.Selector("comAll");
        QAbstractItemView* popupList = selector->PopupList();
        QVERIFY(popupList->sizeHintForRow(0) >= previewHeight);
        // The style's measures grow with the rest, as the style grows them
        // for a screen of that many more dots per inch: the scroll bars, the
        // popup's too, and a selector's arrow area. At 100 % they are the
        // style's own.
        const auto inProportion = [percent](int plain) { return int(plain * percent / 100.0); };
        const int plainScrollBar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QCOMPARE(list->verticalScrollBar()->sizeHint().width(), inProportion(plainScrollBar));
        QCOMPARE(popupList->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QCOMPARE(popupList->verticalScrollBar()->sizeHint().width(), inProportion(plainScrollBar));
        QStyleOptionComboBox arrowOption;
        arrowOption.initFrom(selector);
        const auto arrowWidth = [&](const QStyle* style) {
            return style->subControlRect(QStyle::CC_ComboBox, &arrowOption, QStyle::SC_ComboBoxArrow, selector).width();
        };
        QCOMPARE(arrowWidth(selector->style()), inProportion(arrowWidth(QApplication::style())));
        // Nothing is cut, and the list still has the focus and shows its
        // selected entry.
        for (const char* name : {"cmdShuffle", "comAll", "comBack"}) {
            QWidget* control = shown.Find<QWidget>(name);
            QVERIFY2(control->width() >= control->sizeHint().width(), name);
        }
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->SelectedIndex(), 51);
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(51, 0))));
    }

    // Ctrl+C copies the picture the focus is on; a box's own Copy its picture.
    void copyPutsThePictureOnTheClipboard_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("zoomSteps");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("picture");
        QTest::newRow("list") << "lstDeck" << 0 << 100 << 6;
        QTest::newRow("Shuffle at 150 %") << "cmdShuffle" << 2 << 150 << 6;
        QTest::newRow("all pictures at 200 %") << "comAll" << 3 << 200 << 70;
        QTest::newRow("card backs") << "comBack" << 0 << 100 << 58;
        QTest::newRow("card box's menu") << "imgCard" << 0 << 100 << 6;
        QTest::newRow("back box's menu at 400 %") << "imgBack" << 6 << 400 << 58;
    }
    void copyPutsThePictureOnTheClipboard() {
        QFETCH(QString, from);
        QFETCH(int, zoomSteps);
        QFETCH(int, percent);
        QFETCH(int, picture);
        Shown shown;
        shown.List()->SetSelectedIndex(5);
        shown.Selector("comAll")->SetSelectedIndex(70 - kFirstPicture);
        shown.Selector("comBack")->SetSelectedIndex(58 - kFirstBack);
        for (int step = 0; step < zoomSteps; ++step)
            QTest::keySequence(&shown.window, QKeySequence::ZoomIn);
        QGuiApplication::clipboard()->clear();
        QWidget* source = shown.Find<QWidget>(qPrintable(from));
        if (auto* box = qobject_cast<ImageBox*>(source)) {
            QCOMPARE(box->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(box->actions().size(), 1);
            QCOMPARE(box->actions().first()->text(), QString("Copy"));
            box->actions().first()->trigger();
        } else {
            source->setFocus(Qt::TabFocusReason);
            QTest::keySequence(source, QKeySequence::Copy);
        }
        CheckClipboardHolds(shown.window, picture, percent);
    }

    // Dragged past the drag distance, the card's box hands over the picture
    // as the window shows it, and a file of it when the target asks, named
    // as the window names the picture; the file goes with the window. Offscreen, Qt ends a drag as soon as it
    // starts, and the drag is deleted later: its data can be read after.
    void dragCarriesThePictureAndItsFile() {
        std::optional<Shown> shown(std::in_place);
        QTest::keySequence(&shown->window, QKeySequence::ZoomIn);
        ImageBox* box = shown->Box("imgCard");
        const QPoint pressedAt(10, 10);
        const QPoint movedTo = pressedAt + QPoint(QApplication::startDragDistance() - 1, 0);
        QTest::mousePress(box, Qt::LeftButton, {}, pressedAt);
        QTest::mouseMove(box, movedTo);
        QVERIFY(box->findChild<QDrag*>() == nullptr);
        QTest::mouseMove(box, movedTo + QPoint(1, 0));
        QTest::mouseRelease(box, Qt::LeftButton, {}, movedTo + QPoint(1, 0));
        const auto* drag = box->findChild<QDrag*>();
        QVERIFY(drag != nullptr);
        const QMimeData* data = drag->mimeData();
        const QImage expected = Expected(*box, kFirstCard, 125);
        QCOMPARE(qvariant_cast<QImage>(data->imageData()), expected);
        QCOMPARE(data->text(), PictureSubject(kFirstCard));
        QCOMPARE(data->urls().size(), 1);
        QCOMPARE(data->data("text/uri-list"), data->urls().first().toEncoded() + "\r\n");
        const QString file = data->urls().first().toLocalFile();
        QCOMPARE(QFileInfo(file).fileName(), QString("a-of-clubs.png"));
        QCOMPARE(PictureFileName(54), QString("54-sky-with-clouds.png"));
        QCOMPARE(Pixels(QImage(file)), Pixels(expected));
        QCOMPARE(QApplication::focusWidget(), shown->List());
        shown.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!QFileInfo::exists(QFileInfo(file).path()));
    }
};

QTEST_MAIN(TestZoomAndCopy)
#include "test_zoom_and_copy.moc"
