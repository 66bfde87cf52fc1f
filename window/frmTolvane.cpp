#include "window/frmTolvane.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <initializer_list>

#include "deck/card.h"
#include "control_echoes.h"
#include "entry_list.h"
#include "entry_selector.h"
#include "image_box.h"
#include "last_fetched.h"
#include "picture_description.h"
#include "picture_previews.h"
#include "picture_transfer.h"
#include "pictures/picture_catalogue.h"
#include "pictures/icon/program_icon.h"
#include "spoken_notice.h"
#include "window/program_identity.h"
#include "window_layout.h"
#include "zoom_steps.h"
#include "zoomed_style.h"

namespace tolvane {

namespace {

// `spokenName` is what a screen reader announces for the control.
template <class Control, class... Arguments>
Control* NamedControl(QWidget* window, const char* name, const QString& spokenName, Arguments&&... arguments) {
    auto* control = new Control(window, std::forward<Arguments>(arguments)...);
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

QKeySequence Ctrl(Qt::Key key) {
    return QKeySequence(Qt::ControlModifier | key);
}

// The keys of `standard` on this platform, and `more` where it lacks them.
QList<QKeySequence> KeysWithOthers(QKeySequence::StandardKey standard, std::initializer_list<QKeySequence> more) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : more)
        if (!keys.contains(key))
            keys << key;
    return keys;
}

}  // namespace

frmTolvane::frmTolvane(std::unique_ptr<RandomSource> random, HandlerFailure failed, QWidget* parent)
    : QWidget(parent), random_(std::move(random)), failed_(std::move(failed)), zoom_(kUnzoomed),
      pictureFiles_(std::make_shared<PictureFolder>()) {
    setWindowTitle(QString::fromLatin1(kProgramName));
    setWindowIcon(ProgramIcon());
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    Handle(&frmTolvane::Form_Load);
    FitToFont();  // after the load, so the list's longest name is known
}

// The desktop's font changed. Unzoomed, the window's font follows it; a
// zoomed window's own font keeps its size whatever the desktop's, so only
// the desktop's change itself tells of a new size.
bool frmTolvane::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationFontChange && zoom_ != kUnzoomed)
        RefitToFont();
    return handled;
}

// A change of the application's style reaches only controls without a
// style of their own; those that have one take it on again.
void frmTolvane::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && !applyingFont_ && zoom_ == kUnzoomed)
        RefitToFont();
    else if (event->type() == QEvent::StyleChange)
        FollowApplicationStyle();
}

// Ctrl with the wheel zooms wherever the pointer is over the window: the
// window's handle sees the wheel before the control under the pointer,
// which would scroll or change its entry.
void frmTolvane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    windowHandle()->installEventFilter(this);
}

bool frmTolvane::eventFilter(QObject* watched, QEvent* event) {
    if (watched != windowHandle() || event->type() != QEvent::Wheel)
        return QWidget::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!wheel->modifiers().testFlag(Qt::ControlModifier))
        return false;
    // A fine-grained wheel or touchpad turns a step in several events.
    wheelTurn_ += wheel->angleDelta().y();
    for (; wheelTurn_ >= QWheelEvent::DefaultDeltasPerStep; wheelTurn_ -= QWheelEvent::DefaultDeltasPerStep)
        Handle(&frmTolvane::ZoomIn);
    for (; wheelTurn_ <= -QWheelEvent::DefaultDeltasPerStep; wheelTurn_ += QWheelEvent::DefaultDeltasPerStep)
        Handle(&frmTolvane::ZoomOut);
    return true;
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
    previews_ = {new PicturePreviews(comAll), new PicturePreviews(comBack)};
    comAll->SetEntryPainter(previews_[0]);
    comBack->SetEntryPainter(previews_[1]);
    const auto pictures = std::make_shared<LastFetched>();
    imgCard = NamedControl<ImageBox>(this, "imgCard", QStringLiteral("Selected card"), pictures, pictureFiles_);
    imgAll = NamedControl<ImageBox>(this, "imgAll", QStringLiteral("Chosen picture"), pictures, pictureFiles_);
    imgBack = NamedControl<ImageBox>(this, "imgBack", QStringLiteral("Chosen card back"), pictures, pictureFiles_);
    spoken_ = new SpokenNotice(this);
}

// A taller font grows the whole layout, and so does a font so wide that the
// list could not show its longest name beside its scroll bar, or the button
// or a selector its text. Measured at the window's font as it is.
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

// The layout grows for the desktop's font as measured with the controls at
// that font and in their own style, and the zoom grows all of it, that
// growth too, in proportion.
void frmTolvane::FitToFont() {
    if (zoom_ == kUnzoomed) {
        fontScale_ = LayoutScale();
    } else {
        const QScopedValueRollback applying(applyingFont_, true);
        {
            const QScopedValueRollback unzoomed(zoom_, kUnzoomed);
            UseZoomedStyle();
            setFont(QFont());
            fontScale_ = LayoutScale();
        }
        UseZoomedStyle();
        setFont(ZoomedFont());
    }
    PlaceControls();
}

// The list, grown and shrunk back, may have scrolled its selected entry
// out of sight.
void frmTolvane::RefitToFont() {
    FitToFont();
    KeepSelectionInSight();
}

void frmTolvane::KeepSelectionInSight() {
    if (const int selected = lstDeck->SelectedIndex(); selected >= 0)
        lstDeck->scrollToItem(lstDeck->item(selected));
}

void frmTolvane::PlaceControls() {
    const double zoom = ZoomFactor(zoom_);
    for (const ControlPlace& place : kControlPlaces) {
        auto* control = findChild<QWidget*>(QString::fromLatin1(place.control));
        const QRect placed = TwipsToPixels(place.twips, *this, fontScale_ * zoom);
        if (auto* box = qobject_cast<ImageBox*>(control)) {
            // Pictures keep their size, zoomed alone: the box, as placed at
            // the default font, stands in the middle of its grown place.
            const QRect unscaled = TwipsToPixels(place.twips, *this, zoom);
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
    setFixedSize(ClientSize(zoom_));
}

QSize frmTolvane::ClientSize(int zoomPercent) const {
    return TwipsToPixels(kClientArea, *this, fontScale_ * ZoomFactor(zoomPercent)).size();
}

// A window grown past its screen's edge moves back onto it, frame and all.
void frmTolvane::KeepOnScreen() {
    const QRect room = screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    move(frame.topLeft());
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
    ConnectZoomAndCopy();
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

// Keys the desktop names for zooming may lack some a user tries, such as
// Ctrl+= (Plus without Shift). Qt takes the keypad's keys for the same.
void frmTolvane::ConnectZoomAndCopy() {
    const auto on = [this](const QList<QKeySequence>& keys, void (frmTolvane::*handler)()) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, handler] { Handle(handler); });
    };
    on(KeysWithOthers(QKeySequence::ZoomIn, {Ctrl(Qt::Key_Plus), Ctrl(Qt::Key_Equal)}), &frmTolvane::ZoomIn);
    on(KeysWithOthers(QKeySequence::ZoomOut, {Ctrl(Qt::Key_Minus)}), &frmTolvane::ZoomOut);
    on({Ctrl(Qt::Key_0)}, &frmTolvane::ZoomReset);
    on(QKeySequence::keyBindings(QKeySequence::Copy), &frmTolvane::CopyFocusedPicture);
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

void frmTolvane::ZoomIn() {
    ZoomTo(ZoomedIn(zoom_, [this](int step) { return FitsOnScreen(step); }));
}

void frmTolvane::ZoomOut() {
    ZoomTo(ZoomedOut(zoom_));
}

void frmTolvane::ZoomReset() {
    ZoomTo(kUnzoomed);
}

// Focus and selection stay as they are; the list's selected entry stays in
// sight.
void frmTolvane::ZoomTo(int percent) {
    if (percent == zoom_)
        return;
    zoom_ = percent;
    UseZoomedStyle();  // before the font, which has the controls measured again
    {
        const QScopedValueRollback applying(applyingFont_, true);
        setFont(zoom_ == kUnzoomed ? QFont() : ZoomedFont());
    }
    for (ImageBox* box : {imgCard, imgAll, imgBack})
        box->SetZoom(ZoomFactor(zoom_));
    for (PicturePreviews* previews : previews_)
        previews->SetZoom(ZoomFactor(zoom_));
    PlaceControls();
    KeepOnScreen();
    KeepSelectionInSight();
    const QString program = QString::fromLatin1(kProgramName);
    setWindowTitle(zoom_ == kUnzoomed ? program : QStringLiteral("%1 (%2)").arg(program, ZoomText(zoom_)));
    spoken_->Tell(QStringLiteral("Zoom %1").arg(ZoomText(zoom_)));
}

// Zoomed, the list, its scroll bars and Shuffle take a style grown by the
// zoom, as the selectors do; at 100 % the application's style again, as
// before the first zoom. From one zoom to another the style stays, its
// zoom changed: the controls measure again at the font that comes with it.
void frmTolvane::UseZoomedStyle() {
    for (EntrySelector* selector : {comAll, comBack})
        selector->SetZoom(ZoomFactor(zoom_));
    if (zoom_ != kUnzoomed && zoomedStyle_ != nullptr)
        zoomedStyle_->SetZoom(ZoomFactor(zoom_));
    else
        RestyleForZoom();
}

// The application's style itself changed: the styles made on the old one
// are made anew.
void frmTolvane::FollowApplicationStyle() {
    for (EntrySelector* selector : {comAll, comBack})
        selector->FollowApplicationStyle();
    if (zoomedStyle_ != nullptr)
        RestyleForZoom();
}

void frmTolvane::RestyleForZoom() {
    if (zoom_ == kUnzoomed && zoomedStyle_ == nullptr)
        return;
    ZoomedStyle* style = nullptr;
    if (zoom_ != kUnzoomed) {
        style = new ZoomedStyle(ZoomFactor(zoom_));
        style->setParent(this);
    }
    // The scroll bars first: the list lays them out when its own style changes.
    for (QWidget* control : std::initializer_list<QWidget*>{lstDeck->verticalScrollBar(),
                                                            lstDeck->horizontalScrollBar(), lstDeck, cmdShuffle})
        control->setStyle(style);
    delete std::exchange(zoomedStyle_, style);
}

// The window at that zoom, its frame too once it has one, within the room
// its screen leaves for windows.
bool frmTolvane::FitsOnScreen(int zoomPercent) const {
    const QSize needs = ClientSize(zoomPercent) + (frameGeometry().size() - size());
    const QSize room = screen()->availableGeometry().size();
    return needs.width() <= room.width() && needs.height() <= room.height();
}

// The desktop's font at the zoom's size. Only the size is the window's own:
// family, weight and the rest still follow the desktop.
QFont frmTolvane::ZoomedFont() const {
    const QFont desktop = QApplication::font(this);
    const double zoom = ZoomFactor(zoom_);
    QFont zoomed;
    if (desktop.pointSizeF() > 0)
        zoomed.setPointSizeF(desktop.pointSizeF() * zoom);
    else
        zoomed.setPixelSize(qRound(desktop.pixelSize() * zoom));
    return zoomed;
}

// Image boxes take no focus: the list and Shuffle stand for the card, each
// selector for its own picture.
void frmTolvane::CopyFocusedPicture() {
    const QWidget* focused = focusWidget();
    ImageBox* box = focused == comAll ? imgAll : focused == comBack ? imgBack : imgCard;
    box->CopyPicture();
}

}  // namespace tolvane
