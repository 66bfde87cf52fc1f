#include <QSignalSpy>
#include <QTest>

#include <climits>
#include <stdexcept>

#include "entry_list.h"
#include "entry_selector.h"
#include "throws_naming.h"

using namespace tolvane;

namespace {

const QStringList kEntries{"one", "two", "three", "four", "five"};

// With Clear and AddItem, or, when `qts`, with Qt's own clear and addItem.
template <class Control>
void Fill(Control& control, bool qts = false) {
    qts ? control.clear() : control.Clear();
    for (const QString& entry : kEntries)
        qts ? control.addItem(entry) : control.AddItem(entry);
}

// Each case starts from a freshly filled list or selector with `from` selected.
void SelectionCases() {
    QTest::addColumn<bool>("list");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("reports");
    for (const bool list : {true, false}) {
        const char* kind = list ? "list" : "selector";
        QTest::addRow("%s: none to first", kind) << list << -1 << 0 << 1;
        QTest::addRow("%s: first to first", kind) << list << 0 << 0 << 0;
        QTest::addRow("%s: first to last", kind) << list << 0 << 4 << 1;
        QTest::addRow("%s: last to none", kind) << list << 4 << -1 << 1;
        QTest::addRow("%s: none to none", kind) << list << -1 << -1 << 0;
    }
}

// SetSelectedIndex must have run the handler, exactly once and only on a
// change, by the time it returns; the handler already sees the new index.
template <class Control>
void CheckSetSelectedIndex(int from, int to, int reports) {
    QWidget window;
    Control control(&window);
    Fill(control);
    control.SetSelectedIndex(from);
    int handled = 0;
    int seenByHandler = -2;
    QObject::connect(&control, &Control::SelectionChanged, [&] {
        ++handled;
        seenByHandler = control.SelectedIndex();
    });
    control.SetSelectedIndex(to);
    QCOMPARE(handled, reports);
    QCOMPARE(control.SelectedIndex(), to);
    if (reports > 0)
        QCOMPARE(seenByHandler, to);
}

// Filling never reports, and leaves no entry selected, however the widget
// signals underneath, and whether through the control's calls or Qt's.
template <class Control>
void CheckFillingIsSilent(bool qts) {
    QWidget window;
    Control control(&window);
    Fill(control);
    control.SetSelectedIndex(2);
    QSignalSpy reports(&control, &Control::SelectionChanged);
    Fill(control, qts);
    QCOMPARE(reports.count(), 0);
    QCOMPARE(control.SelectedIndex(), -1);
    QCOMPARE(control.count(), kEntries.size());
    // After a silent clear, selecting the entry that was selected before is a change.
    control.SetSelectedIndex(2);
    QCOMPARE(reports.count(), 1);
}

// `call` must throw std::out_of_range naming `index` and leave the control's
// entries and selection as they were.
template <class Control, class Call>
void CheckBadIndexIsNamed(int index, Call call) {
    QWidget window;
    Control control(&window);
    Fill(control);
    control.SetSelectedIndex(1);
    QSignalSpy reports(&control, &Control::SelectionChanged);
    CheckThrowsNaming([&] { call(control, index); }, QString::number(index));
    QCOMPARE(control.SelectedIndex(), 1);
    QCOMPARE(control.count(), kEntries.size());
    QCOMPARE(reports.count(), 0);
}

// A widget inside a shown, active window, so that it takes real input.
template <class Control>
struct ShownControl {
    ShownControl() : control(&window) {
        window.resize(200, 200);
        control.setGeometry(10, 10, 150, 150);
        Fill(control);
        window.show();
        window.activateWindow();
    }
    QWidget window;
    Control control;
};

}  // namespace

class TestEntryControls : public QObject {
    Q_OBJECT

private slots:
    void setSelectedIndexReportsOnceOnChange_data() { SelectionCases(); }
    void setSelectedIndexReportsOnceOnChange() {
        QFETCH(bool, list);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, reports);
        if (list)
            CheckSetSelectedIndex<EntryList>(from, to, reports);
        else
            CheckSetSelectedIndex<EntrySelector>(from, to, reports);
    }

    void fillingIsSilent() {
        for (const bool qts : {false, true}) {
            CheckFillingIsSilent<EntryList>(qts);
            CheckFillingIsSilent<EntrySelector>(qts);
        }
    }

    void badIndexIsNamed_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("below none") << -2;
        QTest::newRow("one past the end") << 5;
        QTest::newRow("INT_MIN") << INT_MIN;
        QTest::newRow("INT_MAX") << INT_MAX;
    }
    void badIndexIsNamed() {
        QFETCH(int, index);
        const auto setSelected = [](auto& control, int i) { control.SetSelectedIndex(i); };
        CheckBadIndexIsNamed<EntryList>(index, setSelected);
        CheckBadIndexIsNamed<EntrySelector>(index, setSelected);
        const auto entryData = [](const EntrySelector& selector, int i) { (void)selector.EntryData(i); };
        CheckBadIndexIsNamed<EntrySelector>(index, entryData);
        CheckBadIndexIsNamed<EntrySelector>(-1, entryData);
    }

    // Qt lets Ctrl+click and Ctrl+Space unselect the selected entry of a
    // single-selection list, and a click below the last entry clear the
    // selection; here the list keeps it.
    void listKeepsItsSelection() {
        ShownControl<EntryList> shown;
        EntryList& list = shown.control;
        list.SetSelectedIndex(3);
        QSignalSpy reports(&list, &EntryList::SelectionChanged);
        const QPoint centre = list.visualItemRect(list.item(3)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, centre);
        QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(4)).bottomLeft() + QPoint(5, 5));
        QCOMPARE(list.SelectedIndex(), 3);
        QCOMPARE(reports.count(), 0);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
        QCOMPARE(list.SelectedIndex(), 0);
        QCOMPARE(reports.count(), 1);
    }

    // A key press moves the selection through several Qt signals; the
    // handler hears of it once.
    void userChangesAreReportedOnce() {
        ShownControl<EntryList> list;
        ShownControl<EntrySelector> selector;
        list.control.SetSelectedIndex(1);
        selector.control.SetSelectedIndex(1);
        QSignalSpy listReports(&list.control, &EntryList::SelectionChanged);
        QSignalSpy selectorReports(&selector.control, &EntrySelector::SelectionChanged);
        QTest::keyClick(&list.control, Qt::Key_End);
        QTest::keyClick(&selector.control, Qt::Key_Down);
        QCOMPARE(list.control.SelectedIndex(), 4);
        QCOMPARE(selector.control.SelectedIndex(), 2);
        QCOMPARE(listReports.count(), 1);
        QCOMPARE(selectorReports.count(), 1);
    }
};

QTEST_MAIN(TestEntryControls)
#include "test_entry_controls.moc"
