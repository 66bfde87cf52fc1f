#pragma once

#include <QWidget>

#include <array>
#include <memory>

class QPushButton;

#include "deck/deck.h"
#include "deck/random_source.h"
#include "handler_failure.h"

namespace tolvane {

class EntryList;
class EntrySelector;
class ImageBox;
class PictureFolder;
class PicturePreviews;
class SpokenNotice;
class ZoomedStyle;

// The program's one window. It lists the deck by card name and shows the
// selected card's face; Shuffle reshuffles the deck with `random`; two
// selectors show any card back or any of the program's pictures. An
// exception escaping a handler goes to `failed`, which by default reports it
// and ends the program.
// Constructing it runs the load sequence, so it is ready before it is shown.
// The window has a fixed size and layout, grown in proportion when the font
// needs more room than the default one; keyboard focus starts in the list
// and Tab runs list, Shuffle, all-pictures selector, back selector; the
// desktop's Quit keys (Ctrl+Q) close it.
// Ctrl+Plus, Ctrl+Minus and Ctrl with the mouse wheel zoom the whole window
// in steps (zoom_steps.h), as far as it fits on its screen; Ctrl+0 returns
// to 100 %. Ctrl+C copies the picture the focus is on: the card's face from
// the list or Shuffle, a selector's picture from the selector. Nothing of
// the zoom is kept between runs.
// Its controls are found by objectName: lstDeck, cmdShuffle, comAll,
// comBack, imgCard, imgAll and imgBack.
class frmTolvane final : public QWidget {
    Q_OBJECT

public:
    explicit frmTolvane(std::unique_ptr<RandomSource> random = std::make_unique<ClockRandomSource>(),
                        HandlerFailure failed = ReportAndEnd, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    double LayoutScale() const;
    void FitToFont();
    void RefitToFont();
    void KeepSelectionInSight();
    void PlaceControls();
    QSize ClientSize(int zoomPercent) const;
    void KeepOnScreen();
    void SetTabOrder();
    void ConnectHandlers();
    void ConnectSpokenFeedback();
    void ConnectZoomAndCopy();
    void Handle(void (frmTolvane::*handler)());

    void Form_Load();
    void cmdShuffle_Click();
    void lstDeck_Click();
    void comAll_Click();
    void comBack_Click();

    void FillDeckList();
    void ShowChosenPicture(const EntrySelector& selector, ImageBox& box);

    void ZoomIn();
    void ZoomOut();
    void ZoomReset();
    void ZoomTo(int percent);
    bool FitsOnScreen(int zoomPercent) const;
    void UseZoomedStyle();
    void FollowApplicationStyle();
    void RestyleForZoom();
    QFont ZoomedFont() const;
    void CopyFocusedPicture();

    std::unique_ptr<RandomSource> random_;
    HandlerFailure failed_;
    Deck colDeck;
    bool bLoading = false;

    int zoom_;  // percent, one of kZoomSteps
    double fontScale_ = 1;  // LayoutScale() at the desktop's font, unzoomed
    bool applyingFont_ = false;  // while the window sets its own font
    int wheelTurn_ = 0;  // Ctrl+wheel turned since the last step, in eighths of a degree
    std::shared_ptr<PictureFolder> pictureFiles_;  // for pictures dragged out as files

    EntryList* lstDeck = nullptr;
    QPushButton* cmdShuffle = nullptr;
    EntrySelector* comAll = nullptr;
    EntrySelector* comBack = nullptr;
    ImageBox* imgCard = nullptr;
    ImageBox* imgAll = nullptr;
    ImageBox* imgBack = nullptr;
    std::array<PicturePreviews*, 2> previews_{};  // the two selectors' popups
    SpokenNotice* spoken_ = nullptr;
    ZoomedStyle* zoomedStyle_ = nullptr;  // the list's and Shuffle's while zoomed
};

}  // namespace tolvane
