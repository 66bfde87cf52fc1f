#include "focus_echo.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QTimer>

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

}  // namespace

void EchoCurrentEntryOnFocus(QAbstractItemView& list) {
    list.installEventFilter(new FocusEcho(list));
}

}  // namespace tolvane
