#pragma once

#include <QWidget>

#include <memory>

class QPushButton;

#include "deck/deck.h"
#include "deck/random_source.h"
#include "handler_failure.h"

namespace tolvane {

class EntryList;
class EntrySelector;
class ImageBox;
class SpokenNotice;

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
// Its controls are found by objectName: lstDeck, cmdShuffle, comAll,
// comBack, imgCard, imgAll and imgBack.
class frmTolvane final : public QWidget {
    Q_OBJECT

public:
    explicit frmTolvane(std::unique_ptr<RandomSource> random = std::make_unique<ClockRandomSource>(),
                        HandlerFailure failed = ReportAndEnd, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    double LayoutScale() const;
    void PlaceControls();
    void SetTabOrder();
    void ConnectHandlers();
    void ConnectSpokenFeedback();
    void Handle(void (frmTolvane::*handler)());

    void Form_Load();
    void cmdShuffle_Click();
    void lstDeck_Click();
    void comAll_Click();
    void comBack_Click();

    void FillDeckList();
    void ShowChosenPicture(const EntrySelector& selector, ImageBox& box);

    std::unique_ptr<RandomSource> random_;
    HandlerFailure failed_;
    Deck colDeck;
    bool bLoading = false;

    EntryList* lstDeck = nullptr;
    QPushButton* cmdShuffle = nullptr;
    EntrySelector* comAll = nullptr;
    EntrySelector* comBack = nullptr;
    ImageBox* imgCard = nullptr;
    ImageBox* imgAll = nullptr;
    ImageBox* imgBack = nullptr;
    SpokenNotice* spoken_ = nullptr;
};

}  // namespace tolvane
