#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>
#include <set>
#include <stdexcept>

#include "deck/card.h"
#include "deck/deck.h"
#include "pictures/picture_catalogue.h"
#include "scripted_random.h"
#include "window_fixture.h"

using namespace tolvane;

namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);

QString Name(int card) {
    return QString::fromStdString(CardName(card));
}

QStringList Names(const Deck& deck) {
    QStringList names;
    for (int position = 1; position <= deck.Count(); ++position)
        names << Name(deck.Item(position));
    return names;
}

// The card box shows the face, and names the card, of the deck position the
// list's selection stands for.
void CheckCardBoxFollowsList(Shown& shown) {
    const int card = ListedCard(*shown.List(), shown.List()->SelectedIndex());
    QCOMPARE(shown.Box("imgCard")->Picture(), FetchPicture(card));
    QCOMPARE(shown.Box("imgCard")->accessibleDescription(), Name(card));
}

void CheckShowsPicture(ImageBox* box, PictureId id) {
    QCOMPARE(box->Picture(), FetchPicture(id));
    // The layout's screen-reader tests check the exact words.
    const QString said = box->accessibleDescription();
    QVERIFY2(id < kFirstBack ? said == Name(id) : said.startsWith(QString("%1: ").arg(id)), qPrintable(said));
}

constexpr int kClickExpected = 0;
constexpr int kClickBlankStrip = 1;

// Stands in for a toolkit that raises a selector's click event while the
// window fills its selectors: it watches the controls appear and, as each
// selector takes its first entry, selects it for a moment and raises the event.
class SelectorEventsWhileLoading final : public QObject {
public:
    SelectorEventsWhileLoading() { QCoreApplication::instance()->installEventFilter(this); }

    int raised = 0;
    int picturesShown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<frmTolvane*>(watched);
        if (window != nullptr && event->type() == QEvent::ChildAdded)
            for (EntrySelector* selector : window->findChildren<EntrySelector*>())
                if (hooked_.insert(selector).second)
                    connect(selector->model(), &QAbstractItemModel::rowsInserted, this,
                            [this, window, selector] { Raise(*window, *selector); });
        return false;
    }

private:
    void Raise(const frmTolvane& window, EntrySelector& selector) {
        if (selector.count() != 1)
            return;
        ++raised;
        QuietlySelect(selector, 0);
        emit selector.SelectionChanged();
        QuietlySelect(selector, -1);
        for (const ImageBox* box : window.findChildren<ImageBox*>())
            picturesShown += box->Picture().isNull() ? 0 : 1;
    }
    static void QuietlySelect(EntrySelector& selector, int index) {
        const QSignalBlocker quiet(selector);
        selector.setCurrentIndex(index);
    }

    std::set<EntrySelector*> hooked_;
};

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void idleStateAfterStartUp() {
        Shown shown;
        Deck ordered;
        NewDeck(ordered);
        QCOMPARE(Entries(*shown.List()), Names(ordered));
        QCOMPARE(shown.List()->SelectedIndex(), 0);
        CheckCardBoxFollowsList(shown);
        QCOMPARE(Entries(*shown.Selector("comBack")), Numbers(53, 65));
        QCOMPARE(Entries(*shown.Selector("comAll")), Numbers(1, 74));
        QCOMPARE(shown.Selector("comBack")->SelectedIndex(), 0);
        QCOMPARE(shown.Selector("comAll")->SelectedIndex(), 0);
        CheckShowsPicture(shown.Box("imgBack"), 53);
        CheckShowsPicture(shown.Box("imgAll"), 1);
    }

    // Should a selector raise its click event while the window fills the
    // selectors, nothing is shown yet.
    void selectorEventsWhileLoadingShowNothing() {
        SelectorEventsWhileLoading toolkit;
        Shown shown;
        QCOMPARE(toolkit.raised, 2);
        QCOMPARE(toolkit.picturesShown, 0);
    }

    // Code may leave the list or a selector without a selection; the picture
    // beside it stays as it was.
    void noSelectionKeepsThePictures() {
        Shown shown;
        shown.List()->SetSelectedIndex(-1);
        shown.Selector("comAll")->SetSelectedIndex(-1);
        shown.Selector("comBack")->SetSelectedIndex(-1);
        QCOMPARE(shown.Box("imgCard")->Picture(), FetchPicture(1));
        CheckShowsPicture(shown.Box("imgAll"), 1);
        CheckShowsPicture(shown.Box("imgBack"), 53);
    }

    // A value just below 1 always draws the last remaining card.
    void shuffleDrawingTheLastCardReversesTheDeck() {
        Shown shown(std::make_unique<ScriptedRandom>(std::vector<double>{kJustBelowOne}));
        QTest::mouseClick(shown.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
        QStringList reversed;
        for (int card = kLastCard; card >= kFirstCard; --card)
            reversed << Name(card);
        QCOMPARE(Entries(*shown.List()), reversed);
        QCOMPARE(shown.List()->SelectedIndex(), 0);
        QCOMPARE(shown.Box("imgCard")->Picture(), FetchPicture(52));
        QCOMPARE(shown.Box("imgCard")->accessibleDescription(), Name(52));
    }

    void shuffleRelistsAndLeavesTheSelectorsAlone() {
        Shown shown;
        ChooseWithKeyboard(shown.Selector("comAll"), "70");
        ChooseWithKeyboard(shown.Selector("comBack"), "60");
        for (int round = 0; round < 2; ++round) {
            const QStringList before = Entries(*shown.List());
            QTest::mouseClick(shown.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
            QVERIFY(Entries(*shown.List()) != before);
            QCOMPARE(shown.List()->SelectedIndex(), 0);
            CheckCardBoxFollowsList(shown);
            QCOMPARE(shown.Selector("comAll")->currentText(), QString("70"));
            QCOMPARE(shown.Selector("comBack")->currentText(), QString("60"));
            CheckShowsPicture(shown.Box("imgAll"), 70);
            CheckShowsPicture(shown.Box("imgBack"), 60);
        }
    }

    void listNavigationShowsTheCard_data() {
        QTest::addColumn<int>("key");  // kClickExpected or kClickBlankStrip: a click instead
        QTest::addColumn<int>("expectedRow");  // -1: any row but 10
        // Each row starts from entry 10, selected with a click.
        QTest::newRow("click the last entry") << kClickExpected << 51;
        QTest::newRow("click below the last entry") << kClickBlankStrip << 10;
        QTest::newRow("down") << int(Qt::Key_Down) << 11;
        QTest::newRow("up") << int(Qt::Key_Up) << 9;
        QTest::newRow("end") << int(Qt::Key_End) << 51;
        QTest::newRow("home") << int(Qt::Key_Home) << 0;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << -1;
        QTest::newRow("page up") << int(Qt::Key_PageUp) << -1;
    }
    void listNavigationShowsTheCard() {
        QFETCH(int, key);
        QFETCH(int, expectedRow);
        Shown shown(std::make_unique<ScriptedRandom>(std::vector<double>{0.3, 0.7, 0.1, 0.9, 0.5}));
        QTest::mouseClick(shown.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
        EntryList* list = shown.List();
        const auto click = [list](int row) {
            list->scrollToItem(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        };
        click(10);
        QCOMPARE(list->SelectedIndex(), 10);
        CheckCardBoxFollowsList(shown);
        if (key == kClickExpected) {
            click(expectedRow);
        } else if (key == kClickBlankStrip) {
            // Scrolled to the end, the list shows a strip of blank space
            // below its last entry.
            list->scrollToBottom();
            const QRect last = list->visualItemRect(list->item(kLastCard - 1));
            QVERIFY(last.bottom() + 2 < list->viewport()->height());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 2));
        } else {
            QTest::keyClick(list, Qt::Key(key));
        }
        if (expectedRow >= 0)
            QCOMPARE(list->SelectedIndex(), expectedRow);
        else
            QVERIFY(list->SelectedIndex() != 10);
        CheckCardBoxFollowsList(shown);
    }

    void choosingAnEntryShowsItsPicture_data() {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("withMouse");
        QTest::newRow("all 66 mouse") << "comAll" << "imgAll" << 66 << true;
        QTest::newRow("all 74 mouse") << "comAll" << "imgAll" << 74 << true;
        QTest::newRow("all 66 keyboard") << "comAll" << "imgAll" << 66 << false;
        QTest::newRow("all 74 keyboard") << "comAll" << "imgAll" << 74 << false;
        QTest::newRow("back 65 mouse") << "comBack" << "imgBack" << 65 << true;
        QTest::newRow("back 57 keyboard") << "comBack" << "imgBack" << 57 << false;
    }
    void choosingAnEntryShowsItsPicture() {
        QFETCH(QString, selector);
        QFETCH(QString, box);
        QFETCH(int, id);
        QFETCH(bool, withMouse);
        Shown shown;
        QComboBox* combo = shown.Selector(qPrintable(selector));
        if (withMouse)
            ChooseWithMouse(combo, QString::number(id));
        else
            ChooseWithKeyboard(combo, QString::number(id));
        QCOMPARE(combo->currentText(), QString::number(id));
        CheckShowsPicture(shown.Box(qPrintable(box)), id);
        QCOMPARE(shown.List()->SelectedIndex(), 0);
    }

    // Entry 65 reads "66" and keeps id 66; relabelled, it still shows picture 66.
    void pictureNumberComesFromTheEntryData() {
        Shown shown;
        QComboBox* combo = shown.Selector("comAll");
        QCOMPARE(combo->itemData(65), QVariant(66));
        combo->setItemText(65, "70");
        ChooseWithKeyboard(combo, "70");
        QCOMPARE(combo->currentIndex(), 65);
        CheckShowsPicture(shown.Box("imgAll"), 66);
    }

    void quitKeysCloseTheWindow() {
        Shown shown;
        QTest::keyClick(shown.List(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!shown.window.isVisible());
    }

    // A failing handler is reported, leaves the window as it was, and ends
    // the program with a failure status rather than a crash.
    void failingHandlerEndsTheProgram() {
        QProcess child;
        child.start(QStringLiteral(FAILING_WINDOW_PATH), {});
        QVERIFY(child.waitForFinished(20000));
        const QString shown = QString::fromLocal8Bit(child.readAllStandardOutput());
        const QString reported = QString::fromLocal8Bit(child.readAllStandardError());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), EXIT_FAILURE);
        QVERIFY2(shown.contains("box: Tolvane met an internal error"), qPrintable(shown));
        QVERIFY2(shown.contains("the random source failed"), qPrintable(shown));
        QVERIFY2(shown.contains("first entry: A of Clubs\nselected: 0"), qPrintable(shown));
        QVERIFY2(!shown.contains("carried on"), qPrintable(shown));
        QVERIFY2(reported.contains("the random source failed"), qPrintable(reported));
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
