#pragma once

class QObject;
class QAccessibleInterface;
class QString;

namespace tolvane {

// How screen readers meet an ImageBox: an image whose text is what it
// shows ("A of Clubs", "54: sky with clouds"), read in review beside the
// box's own name. A factory for QAccessible::installFactory.
QAccessibleInterface* AccessibleImageBoxes(const QString& className, QObject* object);

}  // namespace tolvane
