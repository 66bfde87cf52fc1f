// Helper for test_window: opens the window with a random source that fails,
// presses Shuffle, and prints what the user sees while the error is reported.
// The program is expected to end on its own with a failure status.
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <iostream>
#include <memory>
#include <stdexcept>

#include "window/frmTolvane.h"

namespace {

class FailingRandom final : public tolvane::RandomSource {
public:
    void Reseed() override {}
    double Next() override { throw std::runtime_error("the random source failed"); }
};

int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

// Prints the message box and the list behind it, if the window is made,
// then closes the box.
void DescribeAndDismiss(const tolvane::frmTolvane* window) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr)
        return;
    std::cout << "box: " << box->text().toStdString() << std::endl;
    if (const auto* list = window != nullptr ? window->findChild<QListWidget*>("lstDeck") : nullptr)
        std::cout << "first entry: " << list->item(0)->text().toStdString() << "\n"
                  << "selected: " << SelectedRow(*list) << std::endl;
    box->accept();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Watching from the start, so that a handler failing while the window
    // loads ends the program too.
    std::unique_ptr<tolvane::frmTolvane> window;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] { DescribeAndDismiss(window.get()); });
    watcher.start(10);
    window = std::make_unique<tolvane::frmTolvane>(std::make_unique<FailingRandom>());
    window->show();
    QTest::mouseClick(window->findChild<QPushButton*>("cmdShuffle"), Qt::LeftButton);
    std::cout << "the window carried on after the failure" << std::endl;
    return 0;
}
