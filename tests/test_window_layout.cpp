#include <QAccessible>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QtGui/private/qicon_p.h>

#include <cmath>
#include <stdexcept>
#include <utility>

#include "entry_selector.h"
#include "pictures/icon/program_icon.h"
#include "icon/program_icon_engine.h"
#include "pictures/picture_catalogue.h"
#include "scripted_random.h"
#include "window/program_identity.h"
#include "window_fixture.h"
#include "window_layout.h"

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

// The application's font when made, put back when it goes, so that a test
// failing halfway leaves the next one the font it started with.
struct FontKept {
    const QFont font = QApplication::font();
    ~FontKept() { QApplication::setFont(font); }
};

// To the nearest pixel, a half rounding up.
QRect InPixels(const QRect& twips, int dpiX, int dpiY) {
    const auto pixels = [](int length, int dpi) { return (length * dpi + 720) / 1440; };
    return {pixels(twips.x(), dpiX), pixels(twips.y(), dpiY), pixels(twips.width(), dpiX), pixels(twips.height(), dpiY)};
}

// The engine behind the program's icon, which Qt keeps out of its public
// interface: it tells which images the icon has drawn.
const ProgramIconEngine& EngineOf(QIcon& icon) {
    const auto* engine = dynamic_cast<const ProgramIconEngine*>(icon.data_ptr()->engine);
    if (engine == nullptr)
        throw std::logic_error("the icon is not the program icon");
    return *engine;
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
            const TwipRect& placed = control == QLatin1String("client area") ? kClientArea : PlaceOf(control.toStdString());
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

    // Showing the window draws none of the icon's images; the first asked
    // for is drawn alone.
    void windowHasItsCaptionAndIcon() {
        Shown shown;
        QCOMPARE(shown.window.windowTitle(), QString("Tolvane"));
        QIcon icon = shown.window.windowIcon();
        QCOMPARE(EngineOf(icon).DrawnEdges(), std::vector<int>{});
        QCOMPARE(icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32), DrawProgramIcon(IconImage::Colour16));
        QCOMPARE(EngineOf(icon).DrawnEdges(), std::vector<int>{16});
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
        const QStringList before = Entries(*shown.List());
        QTest::keyClick(shown.List(), Qt::Key_Return);
        QTest::keyClick(shown.List(), Qt::Key_Enter);
        QCOMPARE(draws.reseeds, 0);
        QCOMPARE(Entries(*shown.List()), before);
        QCOMPARE(shown.List()->SelectedIndex(), 0);
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

    void controlsAreNamedForScreenReaders_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("list") << "lstDeck" << int(QAccessible::List) << "Deck" << "";
        QTest::newRow("button") << "cmdShuffle" << int(QAccessible::Button) << "Shuffle" << "";
        QTest::newRow("all pictures") << "comAll" << int(QAccessible::ComboBox) << "All pictures" << "1";
        QTest::newRow("card backs") << "comBack" << int(QAccessible::ComboBox) << "Card backs" << "53";
        QTest::newRow("card") << "imgCard" << int(QAccessible::Graphic) << "Selected card" << "";
        QTest::newRow("picture") << "imgAll" << int(QAccessible::Graphic) << "Chosen picture" << "";
        QTest::newRow("back") << "imgBack" << int(QAccessible::Graphic) << "Chosen card back" << "";
    }
    void controlsAreNamedForScreenReaders() {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        Shown shown;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(shown.Find<QWidget>(qPrintable(control)));
        QCOMPARE(int(spoken->role()), role);
        QCOMPARE(spoken->text(QAccessible::Name), name);
        if (!value.isEmpty())
            QCOMPARE(spoken->text(QAccessible::Value), value);
    }

    // Each box describes what it shows, in its tooltip too.
    void imageDescriptionsFollowThePictures() {
        Shown shown(std::make_unique<ScriptedRandom>(std::vector<double>{kJustBelowOne}));
        const auto check = [&](const char* box, const QString& description) {
            QCOMPARE(Spoken(shown.Box(box), QAccessible::Description), description);
            QCOMPARE(shown.Box(box)->toolTip(), description);
        };
        check("imgCard", "A of Clubs");
        check("imgBack", "53: fine black dot pattern on white");
        check("imgAll", "A of Clubs");
        QTest::mouseClick(shown.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
        ChooseWithKeyboard(shown.Selector("comBack"), "54");
        ChooseWithKeyboard(shown.Selector("comAll"), "71");
        check("imgCard", "K of Spades");
        check("imgBack", "54: sky with clouds");
        check("imgAll", "71: a small smiling face");
        ChooseWithKeyboard(shown.Selector("comAll"), "6");
        check("imgAll", "6 of Clubs");
    }

    // A list's current entry is what screen readers take for focused: after
    // Shuffle the button alone holds the focus, and the keys still move the
    // list from its selected entry once it has the focus back.
    void focusStaysOnShuffleAlone() {
        Shown shown;
        EntryList* list = shown.List();
        QTest::keyClick(list, Qt::Key_End);
        auto* shuffle = shown.Find<QPushButton>("cmdShuffle");
        shuffle->setFocus(Qt::TabFocusReason);
        QTest::keyClick(shuffle, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), shuffle);
        QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(list);
        for (int row = 0; row < entries->childCount(); ++row)
            QVERIFY2(!entries->child(row)->state().focused, qPrintable(entries->child(row)->text(QAccessible::Name)));
        QCOMPARE(list->SelectedIndex(), 0);
        QTest::keyClick(shuffle, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(entries->child(0)->state().focused);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->SelectedIndex(), 1);
    }

    // The popup drops down about twelve entries tall, scrolls, and shows a
    // preview of each picture beside its number.
    void popupShowsPreviewsAndScrolls() {
        Shown shown;
        QComboBox* combo = shown.Selector("comAll");
        combo->setCurrentIndex(65);
        combo->showPopup();
        QAbstractItemView* popup = combo->view();
        QVERIFY2(ComesTrue([popup] { return popup->isVisible(); }), "the popup did not open");
        const QRect entry = popup->visualRect(combo->model()->index(65, 0));
        QCOMPARE(popup->viewport()->height() / entry.height(), EntrySelector::kShownEntries);
        QVERIFY(popup->verticalScrollBar()->isVisible());
        QCOMPARE(combo->itemText(65), QString("66"));
        // Picture 66 is a red X on a green card: the entry shows green.
        const QImage shown66 = popup->viewport()->grab(entry).toImage();
        int green = 0;
        for (int y = 0; y < shown66.height(); ++y)
            for (int x = 0; x < shown66.width(); ++x)
                green += qGreen(shown66.pixel(x, y)) > 100 && qRed(shown66.pixel(x, y)) < 60 &&
                         qBlue(shown66.pixel(x, y)) < 60;
        QVERIFY2(green > 200, qPrintable(QString::number(green)));
        combo->hidePopup();
    }

    // The desktop's font changes while the window is shown, to 20 points or
    // to one of ordinary height whose names run wider than that height
    // suggests. The whole layout grows in proportion and nothing is cut: the
    // button and selectors get the room they ask for, the list shows its
    // longest name, and the pictures keep their own size. Back at the first
    // font, the window is as it was.
    void fontChangeGrowsTheLayoutInProportion_data() {
        QTest::addColumn<QFont>("font");
        QFont taller = QApplication::font();
        taller.setPointSize(20);
        QFont wider = QApplication::font();
        wider.setLetterSpacing(QFont::PercentageSpacing, 300);
        QTest::newRow("taller") << taller;
        QTest::newRow("wider") << wider;
    }
    void fontChangeGrowsTheLayoutInProportion() {
        QFETCH(QFont, font);
        const FontKept before;
        Shown shown;
        QApplication::setFont(font);
        QVERIFY2(ComesTrue([&] { return shown.window.width() > 323; }),
                 "the window did not grow after the desktop's font changed: no font change reached it");
        const QSize size = shown.window.size();
        QVERIFY(std::abs(size.width() * 425 - size.height() * 323) <= 425);
        for (const char* name : {"cmdShuffle", "comAll", "comBack"}) {
            QWidget* control = shown.Find<QWidget>(name);
            QVERIFY2(control->width() >= control->sizeHint().width() && control->height() >= control->sizeHint().height(),
                     name);
        }
        EntryList* list = shown.List();
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QVERIFY(list->viewport()->width() >= list->sizeHintForColumn(0));
        QCOMPARE(list->WidestEntryWidth(), list->sizeHintForColumn(0));  // what the layout was scaled by
        QCOMPARE(shown.Box("imgCard")->size(), kCardSize);
        // The back's box, 71 x 95 as placed at the default font, stands in
        // the middle of its grown place.
        const double scale = size.width() / 323.0;
        QVERIFY(std::abs(shown.Box("imgBack")->x() - (242 * scale + 71 * (scale - 1) / 2)) <= 1);
        QVERIFY(std::abs(shown.Box("imgBack")->y() - (122 * scale + 95 * (scale - 1) / 2)) <= 1);
        QApplication::setFont(before.font);
        QVERIFY2(ComesTrue([&] { return shown.window.size() == QSize(323, 425); }),
                 qPrintable(QStringLiteral("the window is %1 x %2, not back to 323 x 425, after the font came back")
                                .arg(shown.window.width())
                                .arg(shown.window.height())));
    }

    void programReportsItsVersion() {
        IdentifyProgram();
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.00"));
        QCOMPARE(QCoreApplication::applicationName(), QString("Tolvane"));
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
