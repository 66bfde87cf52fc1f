#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <stdexcept>

#include "deck/card.h"
#include "deck/deck.h"
#include "pictures/picture_catalogue.h"
#include "scripted_random.h"
#include "window/picture_number.h"
#include "window_fixture.h"

using namespace tolvane;

namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);

QString Name(int card) {
    return QString::fromStdString(CardName(card));
}

bool IsPermutationOfAllCards(const Deck& deck) {
    std::vector<int> items;
    for (int position = 1; position <= deck.Count(); ++position)
        items.push_back(deck.Item(position));
    std::sort(items.begin(), items.end());
    std::vector<int> all(kLastCard);
    std::iota(all.begin(), all.end(), kFirstCard);
    return items == all;
}

// The card box shows the face, and names the card, of the deck position the
// list's selection stands for.
void CheckCardBoxFollowsList(Shown& shown) {
    const int card = shown.window.CurrentDeck().Item(shown.List()->currentRow() + 1);
    QCOMPARE(shown.Box("imgCard")->Picture(), FetchPicture(card));
    QCOMPARE(shown.Box("imgCard")->accessibleDescription(), Name(card));
}

void CheckShowsPicture(ImageBox* box, PictureId id) {
    QCOMPARE(box->Picture(), FetchPicture(id));
    QCOMPARE(box->accessibleDescription(), QString("Picture %1").arg(id));
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void idleStateAfterConstruction() {
        frmTolvane window;
        const auto* list = window.findChild<QListWidget*>("lstDeck");
        QStringList names;
        for (int card = kFirstCard; card <= kLastCard; ++card)
            names << Name(card);
        QCOMPARE(Entries(*list), names);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(list->item(0)->isSelected());
        QCOMPARE(window.findChild<ImageBox*>("imgCard")->Picture(), FetchPicture(1));
        QCOMPARE(window.findChild<ImageBox*>("imgBack")->Picture(), FetchPicture(53));
        QCOMPARE(window.findChild<ImageBox*>("imgAll")->Picture(), FetchPicture(1));
        QCOMPARE(window.findChild<QComboBox*>("comBack")->currentText(), QString("53"));
        QCOMPARE(window.findChild<QComboBox*>("comAll")->currentText(), QString("1"));
        QVERIFY(!window.Loading());
    }

    void selectorsOfferTheirPictureNumbers() {
        frmTolvane window;
        QCOMPARE(Entries(*window.findChild<QComboBox*>("comBack")), Numbers(53, 65));
        QCOMPARE(Entries(*window.findChild<QComboBox*>("comAll")), Numbers(1, 74));
    }

    // A value just below 1 always draws the last remaining card.
    void shuffleDrawingTheLastCardReversesTheDeck() {
        Shown shown(std::make_unique<ScriptedRandom>(std::vector<double>{kJustBelowOne}));
        QTest::mouseClick(shown.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
        QStringList reversed;
        for (int card = kLastCard; card >= kFirstCard; --card)
            reversed << Name(card);
        QCOMPARE(Entries(*shown.List()), reversed);
        QCOMPARE(shown.List()->currentRow(), 0);
        QCOMPARE(shown.Box("imgCard")->Picture(), FetchPicture(52));
        QCOMPARE(shown.Box("imgCard")->accessibleDescription(), Name(52));
    }

    void shuffleRelistsAndLeavesTheSelectorsAlone() {
        Shown shown;
        ChooseWithKeyboard(shown.Selector("comAll"), "70");
        ChooseWithKeyboard(shown.Selector("comBack"), "60");
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(shown.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
            const Deck& deck = shown.window.CurrentDeck();
            QVERIFY(IsPermutationOfAllCards(deck));
            QCOMPARE(shown.List()->count(), kLastCard);
            QCOMPARE(shown.List()->item(51)->text(), Name(deck.Item(52)));
            QCOMPARE(shown.List()->currentRow(), 0);
            CheckCardBoxFollowsList(shown);
            QCOMPARE(shown.Selector("comAll")->currentText(), QString("70"));
            QCOMPARE(shown.Selector("comBack")->currentText(), QString("60"));
            CheckShowsPicture(shown.Box("imgAll"), 70);
            CheckShowsPicture(shown.Box("imgBack"), 60);
        }
    }

    void listNavigationShowsTheCard_data() {
        QTest::addColumn<int>("key");  // 0: click the expected entry instead
        QTest::addColumn<int>("expectedRow");
        // Each row starts from entry 10, selected with a click.
        QTest::newRow("click the last entry") << 0 << 51;
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
        QListWidget* list = shown.List();
        const auto click = [list](int row) {
            list->scrollToItem(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        };
        click(10);
        QCOMPARE(list->currentRow(), 10);
        CheckCardBoxFollowsList(shown);
        if (key == 0)
            click(expectedRow);
        else
            QTest::keyClick(list, Qt::Key(key));
        if (expectedRow >= 0)
            QCOMPARE(list->currentRow(), expectedRow);
        else
            QVERIFY(list->currentRow() != 10);
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
        QCOMPARE(shown.List()->currentRow(), 0);
    }

    // Entry 65 normally reads "66"; relabelled, it must show what it now says.
    void pictureNumberComesFromTheEntryText() {
        Shown shown;
        QComboBox* combo = shown.Selector("comAll");
        combo->setItemText(65, "70");
        ChooseWithKeyboard(combo, "70");
        QCOMPARE(combo->currentIndex(), 65);
        CheckShowsPicture(shown.Box("imgAll"), 70);
    }

    void pictureIdFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("id");  // 0: the text spells no picture number
        QTest::newRow("whole") << "74" << 74;
        QTest::newRow("fraction rounds down") << "7.9" << 7;
        QTest::newRow("negative fraction rounds down") << "-0.5" << -1;
        QTest::newRow("word") << "sixty" << 0;
        QTest::newRow("beyond int") << "1e30" << 0;
    }
    void pictureIdFromText() {
        QFETCH(QString, text);
        QFETCH(int, id);
        if (id != 0) {
            QCOMPARE(PictureIdFromText(text), id);
            return;
        }
        try {
            PictureIdFromText(text);
            QFAIL("no exception");
        } catch (const std::out_of_range& error) {
            QVERIFY2(QString(error.what()).contains('"' + text + '"'), error.what());
        }
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
