#pragma once

#include <QTest>

#include <initializer_list>

// One data row per screen density, in a column "ratio", each row named by
// its ratio ("1.5").
inline void AddRatioRows(std::initializer_list<double> ratios) {
    QTest::addColumn<double>("ratio");
    for (double ratio : ratios)
        QTest::addRow("%g", ratio) << ratio;
}
