#include <QLocalServer>
#include <QTemporaryDir>
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
        const auto result = ReadCommandLine(QStringList{"tolvane"} + arguments);
        const auto* early = std::get_if<EarlyExit>(&result);
        QCOMPARE(early ? early->status : -1, status);
        if (!early)
            return;
        QVERIFY2(out.isEmpty() ? early->standardOutput.isEmpty() : early->standardOutput.startsWith(out),
                 qPrintable(early->standardOutput));
        QVERIFY2(err.isEmpty() ? early->standardError.isEmpty() : early->standardError.contains(err),
                 qPrintable(early->standardError));
    }

    // Whether the window system the program would use answers; `listening`
    // puts a Wayland compositor's socket in XDG_RUNTIME_DIR.
    void display_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("missing");
        const QString none;
        QTest::newRow("nothing set") << QStringList{} << QStringList{} << false << "DISPLAY is not set";
        QTest::newRow("offscreen asked for") << QStringList{"-platform", "offscreen"} << QStringList{} << false << none;
        QTest::newRow("offscreen from the environment") << QStringList{} << QStringList{"QT_QPA_PLATFORM=offscreen"}
                                                        << false << none;
        QTest::newRow("X display gone") << QStringList{} << QStringList{"DISPLAY=:4242"} << false
                                        << "X display :4242 does not answer";
        QTest::newRow("-display over DISPLAY") << QStringList{"-display", ":4243.0"} << QStringList{"DISPLAY=host:0"}
                                               << false << "X display :4243.0 does not answer";
        QTest::newRow("remote X display") << QStringList{} << QStringList{"DISPLAY=host:0"} << false << none;
        QTest::newRow("Wayland answers") << QStringList{} << QStringList{"XDG_SESSION_TYPE=wayland"} << true << none;
        QTest::newRow("Wayland silent") << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland"} << false
                                        << "no Wayland compositor answers on wayland-0";
        QTest::newRow("X asked for in a Wayland session") << QStringList{"-platform", "xcb"}
                                                          << QStringList{"XDG_SESSION_TYPE=wayland"} << true
                                                          << "DISPLAY is not set";
    }
    void display() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(bool, listening);
        QFETCH(QString, missing);
        QTemporaryDir runtime;
        QProcessEnvironment variables;
        variables.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        for (const QString& variable : environment)
            variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QLocalServer compositor;
        if (listening)
            QVERIFY(compositor.listen(runtime.filePath(QStringLiteral("wayland-0"))));

        const auto early = CheckStart(QStringList{"tolvane"} + arguments, variables);
        if (missing.isEmpty()) {
            QVERIFY2(!early, early ? qPrintable(early->standardError) : "");
            return;
        }
        QVERIFY(early);
        QCOMPARE(early->status, 1);
        QCOMPARE(early->standardError.count('\n'), 1);
        QVERIFY2(early->standardError.contains(missing), qPrintable(early->standardError));
        QVERIFY2(early->standardError.contains(QStringLiteral("xvfb-run")), qPrintable(early->standardError));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
