#include "spoken_notice.h"

#include <QAccessibleWidget>

namespace tolvane {

namespace {

QAccessibleInterface* AccessibleNotices(const QString& className, QObject* object) {
    if (className == QLatin1String(SpokenNotice::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent) {
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(AccessibleNotices), true);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
    hide();
}

void SpokenNotice::Tell(const QString& words) {
    hide();
    setAccessibleName(words);
    show();  // what screen readers hear of it
}

}  // namespace tolvane
