#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

// A bare Qt window with the same seven kinds of control as Tolvane's, filled
// with plain entries and no logic: what the toolkit alone costs.
class BaselineWindow final : public QWidget {
public:
    BaselineWindow();

    QListWidget list;
    QPushButton button;
    QComboBox all;
    QComboBox back;
    QLabel card, allPicture, backPicture;
};
