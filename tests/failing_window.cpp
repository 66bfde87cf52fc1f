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
#include <stdexcept>

#include "window/frmTolvane.h"

namespace {

class FailingRandom final : public tolvane::RandomSource {
public:
    void Reseed() override {}
    double Next() override { throw std::runtime_error("the random source failed"); }
};

// Prints the message box and the list behind it, then closes the box.
void DescribeAndDismiss(const tolvane::frmTolvane& window) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr)
        return;
    const auto* list = window.findChild<QListWidget*>("lstDeck");
    std::cout << "box: " << box->text().toStdString() << "\n"
              << "first entry: " << list->item(0)->text().toStdString() << "\n"
              << "selected: " << list->currentRow() << std::endl;
    box->accept();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvane::frmTolvane window(std::make_unique<FailingRandom>());
    window.show();
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] { DescribeAndDismiss(window); });
    watcher.start(10);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdShuffle"), Qt::LeftButton);
    std::cout << "the window carried on after the failure" << std::endl;
    return 0;
}
