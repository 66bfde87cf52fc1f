#include "control_echoes.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QTimer>

#include "spoken_notice.h"

namespace tolvane {

namespace {

class FocusEcho final : public QObject {
public:
    explicit FocusEcho(QAbstractItemView& list) : QObject(&list), list_(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, this, &FocusEcho::TellCurrentEntry);  // once the list has made it current
        return QObject::eventFilter(watched, event);
    }

private:
    void TellCurrentEntry() {
        const QModelIndex entry = list_.currentIndex();
        if (!list_.hasFocus() || !entry.isValid())
            return;
        QAccessibleEvent focus(&list_, QAccessible::Focus);
        focus.setChild(entry.row());
        QAccessible::updateAccessibility(&focus);
    }

    QAbstractItemView& list_;
};

class KeyedChoiceEcho final : public QObject {
public:
    KeyedChoiceEcho(QComboBox& selector, SpokenNotice& notice)
        : QObject(&selector), selector_(selector), notice_(notice) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            // The key is handled once this returns; its change shows after.
            const int before = selector_.currentIndex();
            QTimer::singleShot(0, this, [this, before] { TellChange(before); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void TellChange(int before) {
        if (selector_.currentIndex() != before && !selector_.view()->isVisible())
            notice_.Tell(selector_.currentData(Qt::AccessibleTextRole).toString());
    }

    QComboBox& selector_;
    SpokenNotice& notice_;
};

}  // namespace

void EchoCurrentEntryOnFocus(QAbstractItemView& list) {
    list.installEventFilter(new FocusEcho(list));
}

void EchoKeyedChoices(QComboBox& selector, SpokenNotice& notice) {
    selector.installEventFilter(new KeyedChoiceEcho(selector, notice));
}

}  // namespace tolvane
