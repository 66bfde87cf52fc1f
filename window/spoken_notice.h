#pragma once

#include <QWidget>

namespace tolvane {

// Tells screen readers of something that happened away from the keyboard
// focus ("Shuffled, 9 of Spades"), which stays where it is. Orca speaks a
// notification each time one is shown, and ignores what changes in a
// focused control: Qt sends it such changes without their new text. The
// notice takes no room, no focus and no place in the tab order; sighted
// users see nothing of it.
class SpokenNotice final : public QWidget {
    Q_OBJECT

public:
    explicit SpokenNotice(QWidget* parent);

    void Tell(const QString& words);
};

}  // namespace tolvane
