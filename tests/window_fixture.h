#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <string>

#include "deck/card.h"
#include "deck/random_source.h"
#include "entry_list.h"
#include "entry_selector.h"
#include "image_box.h"
#include "window/frmTolvane.h"

// How long a test waits for the window's own events, such as a popup
// opening or the layout following a font change. When all is well they come
// at once; when one never comes, the test fails within a few seconds saying
// what it waited for. (A QTRY wait would take five seconds, then ten more to
// tell whether a longer wait would have done, and name only its expression.)
inline constexpr int kEventWaitMs = 2000;

// Whether `done` comes true within kEventWaitMs while events are handled.
template <class Condition>
bool ComesTrue(Condition done) {
    return QTest::qWaitFor(done, kEventWaitMs);
}

// A failing handler fails the test at once, with the error's text, where
// the program would show a modal box that nothing here closes.
inline void FailTheTest(QWidget* /*window*/, const QString& what) {
    QTest::qFail(qPrintable(QStringLiteral("a window handler failed: ") + what), __FILE__, __LINE__);
}

// The window with its controls, shown and active so that it takes input.
struct Shown {
    explicit Shown(std::unique_ptr<tolvane::RandomSource> random = std::make_unique<tolvane::ClockRandomSource>())
        : window(std::move(random), FailTheTest) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    template <class Control>
    Control* Find(const char* name) {
        auto* control = window.findChild<Control*>(name);
        if (control == nullptr)
            throw std::logic_error(std::string("no control ") + name);
        return control;
    }
    tolvane::EntryList* List() { return Find<tolvane::EntryList>("lstDeck"); }
    tolvane::EntrySelector* Selector(const char* name) { return Find<tolvane::EntrySelector>(name); }
    tolvane::ImageBox* Box(const char* name) { return Find<tolvane::ImageBox>(name); }

    tolvane::frmTolvane window;
};

inline QStringList Entries(const QListWidget& list) {
    QStringList entries;
    for (int row = 0; row < list.count(); ++row)
        entries << list.item(row)->text();
    return entries;
}

inline QStringList Entries(const QComboBox& selector) {
    QStringList entries;
    for (int index = 0; index < selector.count(); ++index)
        entries << selector.itemText(index);
    return entries;
}

// The card whose name the list shows in entry `row`.
inline int ListedCard(const QListWidget& list, int row) {
    for (int card = tolvane::kFirstCard; card <= tolvane::kLastCard; ++card)
        if (QString::fromStdString(tolvane::CardName(card)) == list.item(row)->text())
            return card;
    throw std::logic_error("entry " + std::to_string(row) + " names no card");
}

// The decimal texts of first..last, as the selectors list them.
inline QStringList Numbers(int first, int last) {
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

// Opens the selector's popup with a click and clicks the entry reading `text`.
inline void ChooseWithMouse(QComboBox* selector, const QString& text) {
    QTest::mouseClick(selector, Qt::LeftButton);
    QAbstractItemView* popup = selector->view();
    QVERIFY2(ComesTrue([popup] { return popup->isVisible(); }), "the popup did not open on a click");
    const QModelIndex entry = selector->model()->index(selector->findText(text), 0);
    popup->scrollTo(entry, QAbstractItemView::PositionAtCenter);
    // The popup ignores a button release within the double-click interval
    // of its opening; a coarse timer may run a twentieth late.
    QTest::qWait(QApplication::doubleClickInterval() * 21 / 20 + 10);
    // A popup taller than the screen may show its last entry only in part:
    // click the part that shows.
    const QRect shown = popup->visualRect(entry) & popup->viewport()->rect();
    QVERIFY2(!shown.isEmpty(), qPrintable("entry " + text + " is out of sight"));
    QTest::mouseMove(popup->viewport(), shown.center());
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, shown.center());
    QVERIFY2(ComesTrue([popup] { return !popup->isVisible(); }),
             qPrintable("the popup did not close on a click on " + text));
}

// Opens the selector's popup with F4, walks down to `text` and presses Enter.
inline void ChooseWithKeyboard(QComboBox* selector, const QString& text) {
    selector->setFocus(Qt::TabFocusReason);
    QTest::keyClick(selector, Qt::Key_F4);
    QAbstractItemView* popup = selector->view();
    QVERIFY2(ComesTrue([popup] { return popup->isVisible(); }), "the popup did not open on F4");
    QTest::keyClick(popup, Qt::Key_Home);
    for (int step = 0; step < selector->findText(text); ++step)
        QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QVERIFY2(ComesTrue([popup] { return !popup->isVisible(); }),
             qPrintable("the popup did not close on Enter at " + text));
}

