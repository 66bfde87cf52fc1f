#include "window/frmTolvane.h"

#include <QEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <initializer_list>

#include "deck/card.h"
#include "control_echoes.h"
#include "entry_list.h"
#include "entry_selector.h"
#include "image_box.h"
#include "picture_previews.h"
#include "pictures/picture_catalogue.h"
#include "pictures/icon/program_icon.h"
#include "spoken_notice.h"
#include "window/program_identity.h"
#include "window_layout.h"

namespace tolvane {

namespace {

// `spokenName` is what a screen reader announces for the control.
template <class Control>
Control* NamedControl(QWidget* window, const char* name, const QString& spokenName) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(spokenName);
    return control;
}

// Each entry reads its picture's number and keeps the id as its data; a
// screen reader says what the picture shows as well ("54, sky with clouds").
void FillWithNumbers(EntrySelector& selector, PictureId first, PictureId last) {
    selector.Clear();
    for (PictureId id = first; id <= last; ++id) {
        selector.AddItem(QString::number(id), id);
        selector.setItemData(selector.count() - 1, QStringLiteral("%1, %2").arg(id).arg(PictureSubject(id)),
                             Qt::AccessibleTextRole);
    }
}

// What a screen reader says of a picture shown: a face by its card's name
// as the deck list reads it, any other picture by its number and subject.
QString PictureDescription(PictureId id) {
    if (id < kFirstBack)
        return PictureSubject(id);
    return QStringLiteral("%1: %2").arg(id).arg(PictureSubject(id));
}

}  // namespace

frmTolvane::frmTolvane(std::unique_ptr<RandomSource> random, HandlerFailure failed, QWidget* parent)
    : QWidget(parent), random_(std::move(random)), failed_(std::move(failed)) {
    setWindowTitle(QString::fromLatin1(kProgramName));
    setWindowIcon(ProgramIcon());
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    Handle(&frmTolvane::Form_Load);
    PlaceControls();  // after the load, so the list's longest name is known
}

void frmTolvane::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        PlaceControls();
}

void frmTolvane::CreateControls() {
    lstDeck = NamedControl<EntryList>(this, "lstDeck", QStringLiteral("Deck"));
    const QString shuffle = QStringLiteral("Shuffle");  // no access key
    cmdShuffle = NamedControl<QPushButton>(this, "cmdShuffle", shuffle);
    cmdShuffle->setText(shuffle);
    // Enter pressed elsewhere in the window must not press it.
    cmdShuffle->setAutoDefault(false);
    cmdShuffle->setDefault(false);
    comAll = NamedControl<EntrySelector>(this, "comAll", QStringLiteral("All pictures"));
    comBack = NamedControl<EntrySelector>(this, "comBack", QStringLiteral("Card backs"));
    for (EntrySelector* selector : {comAll, comBack})
        selector->SetEntryPainter(new PicturePreviews(selector));
    imgCard = NamedControl<ImageBox>(this, "imgCard", QStringLiteral("Selected card"));
    imgAll = NamedControl<ImageBox>(this, "imgAll", QStringLiteral("Chosen picture"));
    imgBack = NamedControl<ImageBox>(this, "imgBack", QStringLiteral("Chosen card back"));
    spoken_ = new SpokenNotice(this);
}

// A taller font grows the whole layout, and so does a font so wide that the
// list could not show its longest name beside its scroll bar, or the button
// or a selector its text.
double frmTolvane::LayoutScale() const {
    const auto widthGrowth = [this](const QWidget& control, double needs) {
        return needs / TwipsToPixels(PlaceOf(control.objectName().toStdString()), *this).width();
    };
    double scale = std::max(TextScale(fontMetrics().height(), *this),
                            widthGrowth(*lstDeck, lstDeck->WidestEntryWidth() + 2 * lstDeck->frameWidth() +
                                                      lstDeck->verticalScrollBar()->sizeHint().width()));
    for (const QWidget* control : std::initializer_list<const QWidget*>{cmdShuffle, comAll, comBack})
        scale = std::max(scale, widthGrowth(*control, control->sizeHint().width()));
    return scale;
}

void frmTolvane::PlaceControls() {
    const double scale = LayoutScale();
    for (const ControlPlace& place : kControlPlaces) {
        auto* control = findChild<QWidget*>(QString::fromLatin1(place.control));
        const QRect placed = TwipsToPixels(place.twips, *this, scale);
        if (auto* box = qobject_cast<ImageBox*>(control)) {
            // Pictures keep their size: the box, as placed at the default
            // font, stands in the middle of its grown place.
            const QRect unscaled = TwipsToPixels(place.twips, *this);
            const QSize room = placed.size() - unscaled.size();
            box->move(placed.topLeft() + QPoint(room.width() / 2, room.height() / 2));
            if (box->Picture().isNull())
                box->resize(unscaled.size());
        } else {
            control->setGeometry(placed);
        }
    }
    // The controls never move, so a larger frame would only show empty
    // space: the window keeps its size.
    setFixedSize(TwipsToPixels(kClientArea, *this, scale).size());
}

void frmTolvane::SetTabOrder() {
    setTabOrder(lstDeck, cmdShuffle);
    setTabOrder(cmdShuffle, comAll);
    setTabOrder(comAll, comBack);
    lstDeck->setFocus();
}

void frmTolvane::ConnectHandlers() {
    connect(cmdShuffle, &QPushButton::clicked, this, [this] { Handle(&frmTolvane::cmdShuffle_Click); });
    connect(lstDeck, &EntryList::SelectionChanged, this, [this] { Handle(&frmTolvane::lstDeck_Click); });
    connect(comAll, &EntrySelector::SelectionChanged, this, [this] { Handle(&frmTolvane::comAll_Click); });
    connect(comBack, &EntrySelector::SelectionChanged, this, [this] { Handle(&frmTolvane::comBack_Click); });
    ConnectSpokenFeedback();
    // The desktop's Quit keys; where the platform names none (Windows, or no
    // window system at all) Ctrl+Q still closes the window.
    auto* quit = new QShortcut(QKeySequence::Quit, this, this, &QWidget::close);
    if (quit->keys().isEmpty())
        quit->setKey(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// What a screen reader hears that it is not told of otherwise: the list's
// entry when it gets focus, the deck shuffled while the focus stays on the
// button, and a closed selector's new entry, chosen with the keys.
void frmTolvane::ConnectSpokenFeedback() {
    EchoCurrentEntryOnFocus(*lstDeck);
    connect(cmdShuffle, &QPushButton::clicked, this, [this] {
        spoken_->Tell(QStringLiteral("Shuffled, %1").arg(QString::fromStdString(CardName(colDeck.Item(1)))));
    });
    for (EntrySelector* selector : {comAll, comBack})
        EchoKeyedChoices(*selector, *spoken_);
}

void frmTolvane::Handle(void (frmTolvane::*handler)()) {
    RunHandler(this, [this, handler] { (this->*handler)(); }, failed_);
}

void frmTolvane::Form_Load() {
    bLoading = true;
    FillWithNumbers(*comBack, kFirstBack, kLastBack);
    FillWithNumbers(*comAll, kFirstPicture, kLastPicture);
    bLoading = false;
    comBack->SetSelectedIndex(0);
    comAll->SetSelectedIndex(0);
    NewDeck(colDeck);
    FillDeckList();
}

void frmTolvane::cmdShuffle_Click() {
    ShuffleDeck(colDeck, *random_);
    FillDeckList();
}

void frmTolvane::lstDeck_Click() {
    const int position = lstDeck->SelectedIndex() + 1;
    if (position <= 0)
        return;
    const int card = colDeck.Item(position);
    imgCard->ShowPicture(card, PictureDescription(card));
}

void frmTolvane::comAll_Click() {
    ShowChosenPicture(*comAll, *imgAll);
}

void frmTolvane::comBack_Click() {
    ShowChosenPicture(*comBack, *imgBack);
}

void frmTolvane::FillDeckList() {
    lstDeck->Clear();
    const int count = colDeck.Count();
    for (int position = 1; position <= count; ++position)
        lstDeck->AddItem(QString::fromStdString(CardName(colDeck.Item(position))));
    lstDeck->SetSelectedIndex(0);
}

void frmTolvane::ShowChosenPicture(const EntrySelector& selector, ImageBox& box) {
    if (bLoading)
        return;
    const int index = selector.SelectedIndex();
    if (index < 0)
        return;
    const PictureId id = selector.EntryData(index).toInt();
    box.ShowPicture(id, PictureDescription(id));
}

}  // namespace tolvane
