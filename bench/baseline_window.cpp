#include "baseline_window.h"

#include "deck/card.h"

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
    // The card names in a new deck's order, so both lists lay out and draw
    // the same text (the same glyphs, A, J, Q and K among them).
    for (int card = tolvane::kFirstCard; card <= tolvane::kLastCard; ++card)
        list.addItem(QString::fromStdString(tolvane::CardName(card)));
    list.setCurrentRow(0);
    for (int i = 1; i <= 74; ++i)
        all.addItem(QString::number(i));
    for (int i = 53; i <= 65; ++i)
        back.addItem(QString::number(i));
}
