#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>

#include <cstdint>
#include <functional>
#include <map>
#include <random>

#include "entry_list.h"
#include "entry_selector.h"
#include "pictures/picture_catalogue.h"
#include "window_fixture.h"
#include "window_model.h"

using namespace tolvane;

namespace {

constexpr std::uint64_t kDefaultSeed = 1;
constexpr int kDefaultActions = 20000;
constexpr int kActionsRecalled = 12;  // shown with a failure

// Lists and selectors take keys typed within this many milliseconds of each
// other as one search. At 0 a pause of a millisecond or more makes each key a
// search of its own, which the model can follow.
constexpr int kSearchPauseMs = 0;
constexpr qint64 kPauseBetweenSearchesNs = (kSearchPauseMs + 1) * 1'000'000 + 50'000;

std::uint64_t FromEnvironment(const char* name, std::uint64_t otherwise) {
    bool given = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&given);
    return given ? value : otherwise;
}

// A key as the window system delivers it: to the open popup if there is
// one, otherwise to the widget with keyboard focus.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

void Type(char character) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), character);
}

// The headless platform warns each time a popup opens that it cannot grab
// the keyboard or raise a window; thousands of popups would bury the report.
QtMessageHandler passOn = nullptr;
void DropHeadlessPopupWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    passOn(type, context, message);
}

bool PopupOpen(QComboBox* selector) {
    return selector->view()->isVisible();
}

// One user sitting at the window: each call of PerformOne() makes a random
// action with real input events and tells the model what it should do.
class RandomUser {
public:
    explicit RandomUser(std::uint64_t seed)
        : model_(seed), shown_(std::make_unique<SeededRandom>(seed)), choices_(seed) {
        windowSize_ = shown_.window.size();
    }

    void PerformOne() {
        if (model_.minimised) {
            Restore();
            return;
        }
        struct Kind {
            int weight;
            void (RandomUser::*perform)();
        };
        static constexpr Kind kKinds[] = {
            {10, &RandomUser::ClickListRow},  {4, &RandomUser::ClickShuffle},
            {30, &RandomUser::PressKey},      {12, &RandomUser::TypeCharacter},
            {10, &RandomUser::Tab},           {1, &RandomUser::ChooseEntryWithMouse},
            {3, &RandomUser::ClickBareSpot},  {1, &RandomUser::Resize},
            {1, &RandomUser::Minimise},
        };
        int total = 0;
        for (const Kind& kind : kKinds)
            total += kind.weight;
        int draw = Pick(0, total - 1);
        for (const Kind& kind : kKinds) {
            if (draw < kind.weight) {
                (this->*kind.perform)();
                return;
            }
            draw -= kind.weight;
        }
    }

    // What the window shows that the model says it should not; empty if none.
    QString Mismatch() {
        if (!stepProblem_.isEmpty())
            return stepProblem_;
        if (const QString problem = DeckMismatch(); !problem.isEmpty())
            return problem;
        if (const QString problem = SelectorMismatch(*AllSelector(), model_.allIndex, WindowModel::AllEntries(), "imgAll");
            !problem.isEmpty())
            return problem;
        if (const QString problem = SelectorMismatch(*BackSelector(), model_.backIndex, WindowModel::BackEntries(), "imgBack");
            !problem.isEmpty())
            return problem;
        return WindowMismatch();
    }

    QString RecentActions() const { return recent_.join(QStringLiteral("\n  ")); }

    QString ExpectedState() {
        return QStringLiteral("focus on %1, list row %2, comAll entry %3, comBack entry %4%5")
            .arg(FocusWidget(model_.focus)->objectName())
            .arg(model_.row)
            .arg(model_.allIndex)
            .arg(model_.backIndex)
            .arg(model_.minimised ? ", minimised" : "");
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(choices_); }

    template <class T, std::size_t N>
    const T& PickFrom(const T (&items)[N]) {
        return items[Pick(0, static_cast<int>(N) - 1)];
    }

    void Describe(const QString& action) {
        recent_.push_back(action);
        if (recent_.size() > kActionsRecalled)
            recent_.pop_front();
    }

    EntryList* List() { return shown_.Find<EntryList>("lstDeck"); }
    EntrySelector* AllSelector() { return shown_.Find<EntrySelector>("comAll"); }
    EntrySelector* BackSelector() { return shown_.Find<EntrySelector>("comBack"); }

    QWidget* FocusWidget(FocusControl control) {
        switch (control) {
        case FocusControl::List: return List();
        case FocusControl::Shuffle: return shown_.Find<QPushButton>("cmdShuffle");
        case FocusControl::AllSelector: return AllSelector();
        case FocusControl::BackSelector: return BackSelector();
        }
        return nullptr;
    }

    // The focused selector with its entries and the model's index for it;
    // the selector is null when focus is elsewhere.
    struct FocusedSelector {
        EntrySelector* selector = nullptr;
        QStringList entries;
        int* index = nullptr;
    };
    FocusedSelector Focused() {
        if (model_.focus == FocusControl::AllSelector)
            return {AllSelector(), WindowModel::AllEntries(), &model_.allIndex};
        if (model_.focus == FocusControl::BackSelector)
            return {BackSelector(), WindowModel::BackEntries(), &model_.backIndex};
        return {};
    }

    // A row past the last is the blank strip below the last entry, scrolled
    // to the end; a click there, or a Ctrl+click on the selected row, keeps
    // the selection.
    void ClickListRow() {
        const int row = Pick(0, kLastCard);
        const bool ctrl = Pick(0, 3) == 0;
        Describe(QStringLiteral("%1click list row %2").arg(ctrl ? "Ctrl+" : "").arg(row));
        QListWidget* list = List();
        list->scrollToItem(list->item(std::min(row, kLastCard - 1)));
        QRect place = list->visualItemRect(list->item(std::min(row, kLastCard - 1)));
        if (row == kLastCard)
            place.translate(0, place.height() / 2 + 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier, place.center());
        if (row < kLastCard)
            model_.row = row;
        model_.focus = FocusControl::List;
    }

    void ClickShuffle() {
        Describe(QStringLiteral("click Shuffle"));
        QTest::mouseClick(shown_.Find<QPushButton>("cmdShuffle"), Qt::LeftButton);
        model_.Shuffle();
        model_.focus = FocusControl::Shuffle;
    }

    // A click on a picture or on the window between controls changes nothing.
    void ClickBareSpot() {
        static constexpr const char* kBoxes[] = {"imgCard", "imgBack", "imgAll", nullptr};
        const char* box = PickFrom(kBoxes);
        QWidget* target = box == nullptr ? static_cast<QWidget*>(&shown_.window) : shown_.Box(box);
        // The window's left margin, beside the list, is bare.
        const QRect area = box == nullptr ? QRect(0, 0, List()->x(), shown_.window.height()) : target->rect();
        const QPoint spot(Pick(area.left(), area.right()), Pick(area.top(), area.bottom()));
        Describe(QStringLiteral("click %1 at %2,%3").arg(box == nullptr ? "the window" : box).arg(spot.x()).arg(spot.y()));
        QTest::mouseClick(target, Qt::LeftButton, {}, spot);
    }

    void ChooseEntryWithMouse() {
        const bool all = Pick(0, 1) == 0;
        const QStringList entries = all ? WindowModel::AllEntries() : WindowModel::BackEntries();
        const int index = Pick(0, static_cast<int>(entries.size()) - 1);
        Describe(QStringLiteral("choose %1 in %2 with the mouse").arg(entries[index], all ? "comAll" : "comBack"));
        ChooseWithMouse(all ? AllSelector() : BackSelector(), entries[index]);
        (all ? model_.allIndex : model_.backIndex) = index;
        model_.focus = all ? FocusControl::AllSelector : FocusControl::BackSelector;
    }

    void Tab() {
        const bool back = Pick(0, 1) == 0;
        Describe(back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"));
        Press(Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        model_.MoveFocus(back ? -1 : 1);
    }

    void PressKey() {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* name;
        };
        static const Key kKeys[] = {
            {Qt::Key_Up, {}, "Up"},         {Qt::Key_Down, {}, "Down"},       {Qt::Key_Home, {}, "Home"},
            {Qt::Key_End, {}, "End"},       {Qt::Key_PageUp, {}, "Page Up"},  {Qt::Key_PageDown, {}, "Page Down"},
            {Qt::Key_Left, {}, "Left"},     {Qt::Key_Right, {}, "Right"},     {Qt::Key_Space, {}, "Space"},
            {Qt::Key_Return, {}, "Return"}, {Qt::Key_Escape, {}, "Escape"},   {Qt::Key_F4, {}, "F4"},
            {Qt::Key_Down, Qt::AltModifier, "Alt+Down"},
        };
        const Key& key = PickFrom(kKeys);
        Describe(QStringLiteral("press %1").arg(key.name));
        const int listRow = model_.row;
        // A list searches its entries for the text of any key it does not
        // otherwise use, Space and Escape among them.
        if (key.key == Qt::Key_Space || key.key == Qt::Key_Return || key.key == Qt::Key_Escape)
            AsNewSearch([&key] { Press(key.key, key.modifiers); });
        else
            Press(key.key, key.modifiers);
        switch (model_.focus) {
        case FocusControl::List: return ExpectListKey(key.key, listRow);
        case FocusControl::Shuffle: return ExpectShuffleKey(key.key);
        case FocusControl::AllSelector:
        case FocusControl::BackSelector: return FollowSelectorKey(key.key, key.modifiers);
        }
    }

    void ExpectListKey(Qt::Key key, int row) {
        switch (key) {
        case Qt::Key_Up: model_.row = Stepped(row, -1, kLastCard); break;
        case Qt::Key_Down: model_.row = Stepped(row, 1, kLastCard); break;
        case Qt::Key_Home: model_.row = 0; break;
        case Qt::Key_End: model_.row = kLastCard - 1; break;
        case Qt::Key_PageUp: ExpectPageStep(row, -1); break;
        case Qt::Key_PageDown: ExpectPageStep(row, 1); break;
        default: break;
        }
    }

    // How far a page goes depends on how the list is scrolled; it must go
    // at least one row, at most one screenful, the way the key points,
    // and stop at either end.
    void ExpectPageStep(int row, int direction) {
        QListWidget* list = List();
        const int screenful = list->viewport()->height() / list->visualItemRect(list->item(0)).height();
        const int moved = (List()->SelectedIndex() - row) * direction;
        const int end = direction > 0 ? kLastCard - 1 : 0;
        const bool plausible = row == end ? moved == 0 : moved >= 1 && moved <= screenful;
        if (plausible)
            model_.row = row + moved * direction;
        else
            stepProblem_ = QStringLiteral("a page key moved the list from row %1 to %2").arg(row).arg(List()->SelectedIndex());
    }

    // Arrow keys on the button move focus on, as Tab and Shift+Tab do.
    void ExpectShuffleKey(Qt::Key key) {
        switch (key) {
        case Qt::Key_Space: model_.Shuffle(); break;
        case Qt::Key_Up:
        case Qt::Key_Left: model_.MoveFocus(-1); break;
        case Qt::Key_Down:
        case Qt::Key_Right: model_.MoveFocus(1); break;
        default: break;
        }
    }

    void FollowSelectorKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        const FocusedSelector focused = Focused();
        const int count = static_cast<int>(focused.entries.size());
        int& index = *focused.index;
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_PageUp: index = Stepped(index, -1, count); break;
        case Qt::Key_Down:
            if (modifiers == Qt::AltModifier)
                ChooseInPopup(focused);
            else
                index = Stepped(index, 1, count);
            break;
        case Qt::Key_PageDown: index = Stepped(index, 1, count); break;
        case Qt::Key_Home: index = 0; break;
        case Qt::Key_End: index = count - 1; break;
        case Qt::Key_Space:
        case Qt::Key_F4: ChooseInPopup(focused); break;
        default: break;
        }
    }

    // The popup has just been opened from the keyboard: move about in it,
    // then take the highlighted entry with Return or leave with Escape.
    void ChooseInPopup(const FocusedSelector& focused) {
        if (!QTest::qWaitFor([&] { return PopupOpen(focused.selector); })) {
            stepProblem_ = QStringLiteral("the popup did not open");
            return;
        }
        const int count = static_cast<int>(focused.entries.size());
        int highlighted = *focused.index;
        for (int moves = Pick(0, 4); moves > 0; --moves) {
            switch (Pick(0, 3)) {
            case 0: Press(Qt::Key_Up); highlighted = Stepped(highlighted, -1, count); Describe("  Up in the popup"); break;
            case 1: Press(Qt::Key_Down); highlighted = Stepped(highlighted, 1, count); Describe("  Down in the popup"); break;
            case 2: Press(Qt::Key_Home); highlighted = 0; Describe("  Home in the popup"); break;
            default: Press(Qt::Key_End); highlighted = count - 1; Describe("  End in the popup"); break;
            }
        }
        if (Pick(0, 2) == 0) {
            Describe(QStringLiteral("  Escape in the popup"));
            Press(Qt::Key_Escape);
        } else {
            Describe(QStringLiteral("  Return in the popup"));
            Press(Qt::Key_Return);
            *focused.index = highlighted;
        }
        if (!QTest::qWaitFor([&] { return !PopupOpen(focused.selector); }))
            stepProblem_ = QStringLiteral("the popup did not close");
    }

    void TypeCharacter() {
        static constexpr char kCharacters[] = "0123456789ajqkzAJQK";
        const char character = kCharacters[Pick(0, sizeof kCharacters - 2)];
        Describe(QStringLiteral("type %1").arg(QLatin1Char(character)));
        AsNewSearch([character] { Type(character); });
        const QString text(QLatin1Char{character});
        if (model_.focus == FocusControl::List) {
            model_.row = SearchedIndex(model_.ListEntries(), model_.row, text);
        } else if (const FocusedSelector focused = Focused(); focused.selector != nullptr) {
            *focused.index = SearchedIndex(focused.entries, *focused.index, text);
        }
    }

    // Presses a key that a list or selector may search for, after a pause
    // long enough that the search does not extend the last one.
    void AsNewSearch(const std::function<void()>& press) {
        while (lastSearched_.isValid() && lastSearched_.nsecsElapsed() < kPauseBetweenSearchesNs)
            QThread::usleep(200);
        press();
        lastSearched_.start();
    }

    // The window keeps its size whatever the window system asks of it.
    void Resize() {
        const QSize asked(Pick(40, 1000), Pick(40, 1000));
        Describe(QStringLiteral("resize to %1 x %2").arg(asked.width()).arg(asked.height()));
        shown_.window.resize(asked);
    }

    void Minimise() {
        Describe(QStringLiteral("minimise"));
        shown_.window.showMinimized();
        model_.minimised = true;
    }

    void Restore() {
        Describe(QStringLiteral("restore"));
        shown_.window.showNormal();
        shown_.window.activateWindow();
        if (!QTest::qWaitForWindowActive(&shown_.window))
            stepProblem_ = QStringLiteral("the restored window did not become active");
        model_.minimised = false;
    }

    QString DeckMismatch() {
        if (Entries(*List()) != model_.ListEntries())
            return QStringLiteral("the list does not name the deck's cards in order");
        if (List()->SelectedIndex() != model_.row)
            return QStringLiteral("list row %1 is selected, not %2").arg(List()->SelectedIndex()).arg(model_.row);
        if (!ShowsPicture("imgCard", model_.SelectedCard()))
            return QStringLiteral("the card box does not show card %1").arg(model_.SelectedCard());
        return {};
    }

    QString SelectorMismatch(const EntrySelector& selector, int index, const QStringList& entries, const char* box) {
        if (Entries(selector) != entries)
            return selector.objectName() + QStringLiteral("'s entries changed");
        if (selector.SelectedIndex() != index)
            return selector.objectName() + QStringLiteral(" has entry %1 selected, not %2").arg(selector.SelectedIndex()).arg(index);
        if (!ShowsPicture(box, entries[index].toInt()))
            return QStringLiteral("%1 does not show picture %2").arg(box, entries[index]);
        return {};
    }

    QString WindowMismatch() {
        if (QWidget* popup = QApplication::activePopupWidget())
            return QStringLiteral("a popup is still open: ") + popup->metaObject()->className();
        if (shown_.window.isMinimized() != model_.minimised)
            return model_.minimised ? QStringLiteral("the window is not minimised") : QStringLiteral("the window is minimised");
        if (shown_.window.size() != windowSize_)
            return QStringLiteral("the window changed its size");
        if (shown_.window.focusWidget() != FocusWidget(model_.focus))
            return QStringLiteral("keyboard focus is on %1")
                .arg(shown_.window.focusWidget() ? shown_.window.focusWidget()->objectName() : "nothing");
        return {};
    }

    bool ShowsPicture(const char* box, PictureId id) {
        auto expected = expectedPictures_.find(id);
        if (expected == expectedPictures_.end())
            expected = expectedPictures_.emplace(id, FetchPicture(id)).first;
        return shown_.Box(box)->Picture() == expected->second;
    }

    WindowModel model_;
    Shown shown_;
    std::mt19937_64 choices_;
    QSize windowSize_;
    QElapsedTimer lastSearched_;
    QStringList recent_;
    QString stepProblem_;  // what went wrong within the last action
    std::map<PictureId, QImage> expectedPictures_;
};

}  // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setKeyboardInputInterval(kSearchPauseMs);
        // Choosing with the mouse waits this long for each popup to take clicks.
        QApplication::setDoubleClickInterval(0);
        passOn = qInstallMessageHandler(DropHeadlessPopupWarnings);
    }

    // Replay a failure with TOLVANE_RANDOM_SEED and TOLVANE_RANDOM_ACTIONS.
    void anySequenceOfUserActions() {
        const std::uint64_t seed = FromEnvironment("TOLVANE_RANDOM_SEED", kDefaultSeed);
        const auto actions = static_cast<int>(FromEnvironment("TOLVANE_RANDOM_ACTIONS", kDefaultActions));
        qInfo("seed %llu, %d actions", static_cast<unsigned long long>(seed), actions);
        RandomUser user(seed);
        for (int action = 0; action <= actions; ++action) {
            if (action > 0)
                user.PerformOne();
            QCoreApplication::processEvents();
            const QString problem = QTest::currentTestFailed() ? QStringLiteral("a step failed") : user.Mismatch();
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nexpected: %4\nlast actions:\n  %5")
                                     .arg(seed).arg(action).arg(problem, user.ExpectedState(), user.RecentActions())));
        }
    }
};

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"
