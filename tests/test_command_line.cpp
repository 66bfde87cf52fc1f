#include <QTest>

#include "app/command_line.h"

using namespace tolvane;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // What each command line does before any window: the exit status and
    // a piece of what it prints (out or err); -1 opens the window.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("Usage: tolvane [OPTION]...");
        QTest::newRow("none") << QStringList{} << -1 << QString() << QString();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
        QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "tolvane 1.00\n" << QString();
        QTest::newRow("-v") << QStringList{"-v"} << 0 << "tolvane 1.00\n" << QString();
        QTest::newRow("help wins over an option of Qt's") << QStringList{"-style", "fusion", "--help"} << 0 << usage
                                                          << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QString()
                                        << "tolvane: Unknown option 'frobnicate'.\n" + usage;
        QTest::newRow("stray argument") << QStringList{"deck.txt"} << 2 << QString()
                                        << "tolvane: unexpected argument 'deck.txt'\n" + usage;
        QTest::newRow("Qt's option without its value") << QStringList{"-style"} << 2 << QString()
                                                       << "Missing value after '-style'.";
        QTest::newRow("Qt's options") << QStringList{"-style", "fusion", "-reverse", "--stylesheet=a.qss"} << -1
                                      << QString() << QString();
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const auto early = ReadCommandLine(QStringList{"tolvane"} + arguments);
        QCOMPARE(early ? early->status : -1, status);
        if (!early)
            return;
        QVERIFY2(out.isEmpty() ? early->standardOutput.isEmpty() : early->standardOutput.startsWith(out),
                 qPrintable(early->standardOutput));
        QVERIFY2(err.isEmpty() ? early->standardError.isEmpty() : early->standardError.contains(err),
                 qPrintable(early->standardError));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
