#pragma once

#include <QString>
#include <QTest>

#include <stdexcept>

// Checks that `call()` throws `Error` with a message naming `value`: as a
// word, or words, of its own, so that "1" is not found in "1..52".
template <class Error = std::out_of_range, class Call>
void CheckThrowsNaming(Call&& call, const QString& value) {
    try {
        call();
    } catch (const Error& error) {
        const QString words = ' ' + QString::fromUtf8(error.what()) + ' ';
        QVERIFY2(words.contains(' ' + value + ' '), error.what());
        return;
    }
    QFAIL(qPrintable("no exception naming " + value));
}
