#include "baseline_window.h"

namespace {

void Place(QWidget& child, QWidget& parent, const QRect& geometry) {
    child.setParent(&parent);
    child.setGeometry(geometry);
}

}  // namespace

BaselineWindow::BaselineWindow() : button("Shuffle") {
    setWindowTitle("Baseline");
    resize(323, 425);
    Place(list, *this, {8, 10, 227, 368});
    Place(button, *this, {140, 386, 93, 33});
    Place(all, *this, {242, 352, 71, 21});
    Place(back, *this, {242, 220, 71, 21});
    Place(card, *this, {242, 14, 71, 95});
    Place(backPicture, *this, {242, 122, 71, 95});
    Place(allPicture, *this, {242, 254, 71, 95});
    // Plain entries as long as the card names, so both lists shape as much text.
    for (const char* suit : {"Clubs", "Diamonds", "Hearts", "Spades"})
        for (int number = 1; number <= 13; ++number)
            list.addItem(QString("%1 of %2").arg(number).arg(suit));
    list.setCurrentRow(0);
    for (int i = 1; i <= 74; ++i)
        all.addItem(QString::number(i));
    for (int i = 53; i <= 65; ++i)
        back.addItem(QString::number(i));
}
