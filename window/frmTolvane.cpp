#include "frmTolvane.h"

#include <QPushButton>
#include <QShortcut>

#include "deck/card.h"
#include "entry_list.h"
#include "entry_selector.h"
#include "image_box.h"
#include "picture_number.h"
#include "pictures/picture_catalogue.h"
#include "pictures/icon/program_icon.h"
#include "program_identity.h"
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

void FillWithNumbers(EntrySelector& selector, PictureId first, PictureId last) {
    selector.Clear();
    for (PictureId id = first; id <= last; ++id)
        selector.AddItem(QString::number(id));
}

}  // namespace

frmTolvane::frmTolvane(std::unique_ptr<RandomSource> random, HandlerFailure failed, QWidget* parent)
    : QWidget(parent), random_(std::move(random)), failed_(std::move(failed)) {
    setWindowTitle(QString::fromLatin1(kProgramName));
    setWindowIcon(ProgramIcon());
    CreateControls();
    PlaceControls();
    SetTabOrder();
    ConnectHandlers();
    Handle(&frmTolvane::Form_Load);
}

const Deck& frmTolvane::CurrentDeck() const {
    return colDeck;
}

bool frmTolvane::Loading() const {
    return bLoading;
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
    imgCard = NamedControl<ImageBox>(this, "imgCard", QStringLiteral("Selected card"));
    imgAll = NamedControl<ImageBox>(this, "imgAll", QStringLiteral("Chosen picture"));
    imgBack = NamedControl<ImageBox>(this, "imgBack", QStringLiteral("Chosen card back"));
}

void frmTolvane::PlaceControls() {
    for (const ControlPlace& place : kControlPlaces)
        findChild<QWidget*>(QString::fromLatin1(place.control))->setGeometry(TwipsToPixels(place.twips, *this));
    // The controls never move, so a larger frame would only show empty
    // space: the window keeps its size.
    setFixedSize(TwipsToPixels(kClientArea, *this).size());
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
    // The desktop's Quit keys; where the platform names none (Windows, or no
    // window system at all) Ctrl+Q still closes the window.
    auto* quit = new QShortcut(QKeySequence::Quit, this, this, &QWidget::close);
    if (quit->keys().isEmpty())
        quit->setKey(QKeySequence(Qt::CTRL | Qt::Key_Q));
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
    imgCard->SetPicture(FetchPicture(card), QString::fromStdString(CardName(card)));
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
    const PictureId id = PictureIdFromText(selector.EntryText(index));
    box.SetPicture(FetchPicture(id), QStringLiteral("Picture %1").arg(id));
}

}  // namespace tolvane
