#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

#include "deck/card.h"
#include "deck/deck.h"
#include "deck/random_source.h"
#include "scripted_random.h"
#include "throws_naming.h"

using namespace tolvane;

namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);

std::vector<int> Items(const Deck& deck) {
    std::vector<int> items;
    for (int p = 1; p <= deck.Count(); ++p)
        items.push_back(deck.Item(p));
    return items;
}

Deck DeckOf(const std::vector<int>& cards) {
    Deck deck;
    for (int card : cards)
        deck.Add(card);
    return deck;
}

std::vector<int> Ordered() {
    Deck deck;
    NewDeck(deck);
    return Items(deck);
}

}  // namespace

class TestDeck : public QObject {
    Q_OBJECT

private slots:
    void cardName_data();
    void cardName();
    void badCardNumbersThrow_data();
    void badCardNumbersThrow();

    void newDeckIsInOrder();
    void removeClosesTheGap();
    void badPositionsThrowAndLeaveTheDeck_data();
    void badPositionsThrowAndLeaveTheDeck();
    void addRejectsBadCards();

    void drawPositionStaysInRange();
    void badDrawsThrow_data();
    void badDrawsThrow();
    void scriptedShuffles_data();
    void scriptedShuffles();
    void shuffleWorkedByHand();
    void shuffleReseedsOncePerShuffleBeforeDrawing();
    void failingSourceLeavesTheDeck();
    void reseedsAtOneClockReadingDiffer();
    void clockShuffleIsUniform();
    void clockSourceStaysBelowOne();
};

void TestDeck::cardName_data() {
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("name");
    const char* names[] = {
        "A of Clubs", "2 of Clubs", "3 of Clubs", "4 of Clubs", "5 of Clubs",
        "6 of Clubs", "7 of Clubs", "8 of Clubs", "9 of Clubs", "10 of Clubs",
        "J of Clubs", "Q of Clubs", "K of Clubs",
        "A of Diamonds", "2 of Diamonds", "3 of Diamonds", "4 of Diamonds",
        "5 of Diamonds", "6 of Diamonds", "7 of Diamonds", "8 of Diamonds",
        "9 of Diamonds", "10 of Diamonds", "J of Diamonds", "Q of Diamonds",
        "K of Diamonds",
        "A of Hearts", "2 of Hearts", "3 of Hearts", "4 of Hearts", "5 of Hearts",
        "6 of Hearts", "7 of Hearts", "8 of Hearts", "9 of Hearts", "10 of Hearts",
        "J of Hearts", "Q of Hearts", "K of Hearts",
        "A of Spades", "2 of Spades", "3 of Spades", "4 of Spades", "5 of Spades",
        "6 of Spades", "7 of Spades", "8 of Spades", "9 of Spades", "10 of Spades",
        "J of Spades", "Q of Spades", "K of Spades",
    };
    for (int card = 1; card <= 52; ++card)
        QTest::addRow("%d", card) << card << QString(names[card - 1]);
}

void TestDeck::cardName() {
    QFETCH(int, card);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(CardName(card)), name);
}

void TestDeck::badCardNumbersThrow_data() {
    QTest::addColumn<int>("card");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("53") << 53;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TestDeck::badCardNumbersThrow() {
    QFETCH(int, card);
    for (auto call : {+[](int c) { (void)CardRank(c); }, +[](int c) { (void)CardSuit(c); },
                      +[](int c) { (void)CardName(c); }})
        CheckThrowsNaming([&] { call(card); }, QString::number(card));
}

void TestDeck::newDeckIsInOrder() {
    Deck deck = DeckOf({52, 7});
    NewDeck(deck);
    QCOMPARE(deck.Count(), 52);
    for (int p = 1; p <= 52; ++p)
        QCOMPARE(deck.Item(p), p);
}

void TestDeck::removeClosesTheGap() {
    Deck deck = DeckOf({5, 6, 7, 8});
    deck.Remove(2);
    QCOMPARE(Items(deck), (std::vector<int>{5, 7, 8}));
    deck.Remove(3);
    QCOMPARE(Items(deck), (std::vector<int>{5, 7}));
    deck.Remove(1);
    deck.Remove(1);
    QCOMPARE(deck.Count(), 0);
}

void TestDeck::badPositionsThrowAndLeaveTheDeck_data() {
    QTest::addColumn<int>("position");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("count + 1") << 4;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TestDeck::badPositionsThrowAndLeaveTheDeck() {
    QFETCH(int, position);
    Deck deck = DeckOf({9, 8, 7});
    const Deck before = deck;
    for (auto call : {+[](Deck& d, int p) { (void)d.Item(p); },
                      +[](Deck& d, int p) { d.Remove(p); }}) {
        CheckThrowsNaming([&] { call(deck, position); }, QString::number(position));
        QVERIFY(deck == before);
    }
}

void TestDeck::addRejectsBadCards() {
    Deck deck = DeckOf({1, 2});
    for (int card : {0, -1, 53, INT_MIN, INT_MAX}) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, deck.Add(card));
        QCOMPARE(Items(deck), (std::vector<int>{1, 2}));
    }
}

void TestDeck::drawPositionStaysInRange() {
    // The largest value below 1 in double precision must pick the last card
    // for every deck size, even where r * n + 1.0 rounds up to n + 1.
    for (int n = 1; n <= 52; ++n) {
        QCOMPARE(DrawPosition(0.0, n), 1);
        QCOMPARE(DrawPosition(kJustBelowOne, n), n);
        QCOMPARE(DrawPosition(std::nextafter(1.0f, 0.0f), n), n);
        QCOMPARE(DrawPosition(0.5, n), n / 2 + 1);
    }
}

void TestDeck::badDrawsThrow_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("named");
    QTest::newRow("no cards") << 0.5 << 0 << "0";
    QTest::newRow("-1 cards") << 0.5 << -1 << "-1";
    QTest::newRow("INT_MIN cards") << 0.5 << INT_MIN << QString::number(INT_MIN);
    QTest::newRow("r = 1") << 1.0 << 52 << "1.000000";
    QTest::newRow("r below 0") << -0.25 << 52 << "-0.250000";
    QTest::newRow("r not a number") << std::nan("") << 52 << "nan";
}

// A faulty random source must not pick a position outside the deck.
void TestDeck::badDrawsThrow() {
    QFETCH(double, r);
    QFETCH(int, n);
    QFETCH(QString, named);
    CheckThrowsNaming([&] { DrawPosition(r, n); }, named);
}

void TestDeck::scriptedShuffles_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<std::vector<int>>("start");
    QTest::addColumn<std::vector<int>>("expected");
    std::vector<int> reversed = Ordered();
    std::reverse(reversed.begin(), reversed.end());
    QTest::newRow("r = 0 keeps the order") << 0.0 << Ordered() << Ordered();
    QTest::newRow("r below 1 reverses") << kJustBelowOne << Ordered() << reversed;
    QTest::newRow("reshuffle draws from the current order")
        << kJustBelowOne << reversed << Ordered();
    QTest::newRow("one card stays") << 0.7 << std::vector<int>{17} << std::vector<int>{17};
    QTest::newRow("empty stays empty") << 0.7 << std::vector<int>{} << std::vector<int>{};
}

void TestDeck::scriptedShuffles() {
    QFETCH(double, r);
    QFETCH(std::vector<int>, start);
    QFETCH(std::vector<int>, expected);
    Deck deck = DeckOf(start);
    ScriptedRandom random({r});
    ShuffleDeck(deck, random);
    QCOMPARE(Items(deck), expected);
}

void TestDeck::shuffleWorkedByHand() {
    // Deck 1..5 with r = 0.5, 0.0, 0.99, 0.4, 0.1:
    //   n=5: k = floor(2.5 + 1) = 3  -> draw 3, left 1 2 4 5
    //   n=4: k = floor(0.0 + 1) = 1  -> draw 1, left 2 4 5
    //   n=3: k = floor(2.97 + 1) = 3 -> draw 5, left 2 4
    //   n=2: k = floor(0.8 + 1) = 1  -> draw 2, left 4
    //   n=1: k = 1                   -> draw 4
    Deck deck = DeckOf({1, 2, 3, 4, 5});
    ScriptedRandom random({0.5, 0.0, 0.99, 0.4, 0.1});
    ShuffleDeck(deck, random);
    QCOMPARE(Items(deck), (std::vector<int>{3, 1, 5, 2, 4}));
    QCOMPARE(random.draws, std::size_t{5});
}

void TestDeck::shuffleReseedsOncePerShuffleBeforeDrawing() {
    Deck deck;
    NewDeck(deck);
    ScriptedRandom random({0.25, 0.75});
    ShuffleDeck(deck, random);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.reseedsBeforeFirstDraw, 1);
    ShuffleDeck(deck, random);
    QCOMPARE(random.reseeds, 2);
    QCOMPARE(random.draws, std::size_t{104});
}

void TestDeck::failingSourceLeavesTheDeck() {
    class FailingRandom final : public RandomSource {
    public:
        void Reseed() override {}
        double Next() override {
            if (++draws > 10)
                throw std::runtime_error("source failed");
            return 0.3;
        }
        int draws = 0;
    } random;
    Deck deck;
    NewDeck(deck);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ShuffleDeck(deck, random));
    QCOMPARE(Items(deck), Ordered());
}

void TestDeck::reseedsAtOneClockReadingDiffer() {
    // Shuffles within one tick of a coarse clock, or two windows opened
    // together, must still give orders of their own.
    const auto frozen = [] { return std::uint64_t{0x0123456789abcdef}; };
    ClockRandomSource first(frozen);
    ClockRandomSource second(frozen);
    first.Reseed();
    second.Reseed();
    QVERIFY(first.Next() != second.Next());
}

void TestDeck::clockShuffleIsUniform() {
    // Counts how often each card lands at each position over many shuffles
    // and applies a chi-square test to the whole 52 x 52 table. With a
    // uniform shuffle each cell expects kShuffles / 52; the statistic has
    // 52 * 51 = 2652 degrees of freedom, mean 2652 and standard deviation
    // sqrt(2 * 2652) = 72.8. The bound 2652 + 5 * 72.8 = 3016 is passed by a
    // uniform shuffle about 999,999 times in a million and failed by any
    // bias of a few percent in a single cell.
    constexpr int kShuffles = 52 * 400;
    constexpr double kBound = 3016.0;
    std::vector<std::vector<int>> counts(52, std::vector<int>(52, 0));
    ClockRandomSource random;
    Deck deck;
    NewDeck(deck);
    for (int i = 0; i < kShuffles; ++i) {
        ShuffleDeck(deck, random);
        for (int p = 1; p <= 52; ++p)
            ++counts[deck.Item(p) - 1][p - 1];
    }
    const double expected = kShuffles / 52.0;
    double chiSquare = 0;
    for (const auto& row : counts)
        for (int count : row)
            chiSquare += (count - expected) * (count - expected) / expected;
    QVERIFY2(chiSquare < kBound, qPrintable(QString("chi-square %1").arg(chiSquare)));
}

void TestDeck::clockSourceStaysBelowOne() {
    ClockRandomSource random;
    double smallest = 1, largest = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.Next();
        QVERIFY(r >= 0.0 && r < 1.0);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    QVERIFY(smallest < 0.001);
    QVERIFY(largest > 0.999);
}

QTEST_APPLESS_MAIN(TestDeck)
#include "test_deck.moc"
