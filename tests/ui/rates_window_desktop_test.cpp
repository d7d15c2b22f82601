// The program itself under a real window manager (tests/ui/on-desktop), with
// its settings in a folder of the test's own: --tassi-vigenti opens the window
// of the rates in force over the main window, and a remembered table file
// that no longer reads is named at start.
#include "tests/ui/program_windows.h"
#include "ui/desktop_window.h"
#include "ui/frm_tarvel.h"
#include "ui/rates_in_force_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

constexpr int kTimeoutMs = 20000; // a loaded machine

bool Keys(const QString& keys) { return QProcess::execute(QStringLiteral("xdotool"), {"key", keys}) == 0; }

// The program with these arguments and settings; its windows, bottom to top.
class Started {
public:
    Started(const QString& configHome, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        program_.setProcessEnvironment(environment);
        program_.start(QStringLiteral(TARVEL_PROGRAM), arguments);
    }
    ~Started()
    {
        program_.kill();
        program_.waitForFinished(kTimeoutMs);
    }

    // Waits for the windows of these titles, bottom to top; false when they
    // do not come.
    bool Shows(const QByteArrayList& titles)
    {
        return QTest::qWaitFor(
            [&] {
                windows_ = WindowsOf(program_.processId());
                return Titles() == titles;
            },
            kTimeoutMs);
    }
    const std::vector<x11::WindowId>& Windows() const { return windows_; }
    QByteArrayList Titles() const
    {
        QByteArrayList titles;
        for (x11::WindowId window : windows_)
            titles << ShownTitle(window);
        return titles;
    }
    bool IsActive(x11::WindowId window) const
    {
        return QTest::qWaitFor(
            [&] {
                const auto active = x11::Cardinals(x11::Root(), "_NET_ACTIVE_WINDOW");
                return !active.empty() && active[0] == window;
            },
            kTimeoutMs);
    }
    // Closes the main window with its close box; whether the program then ends.
    bool EndsWithTheMainWindow(x11::WindowId main)
    {
        x11::AskWindowManager(main, "_NET_CLOSE_WINDOW", {0, 2});
        return program_.waitForFinished(kTimeoutMs) && program_.exitCode() == 0;
    }

private:
    QProcess program_;
    std::vector<x11::WindowId> windows_;
};

const QByteArray kMain(frmTarvel::kCaption);
const QByteArray kRates(RatesInForceWindow::kCaption);

} // namespace

class RatesWindowDesktopTest : public QObject {
    Q_OBJECT

    // The settings folder of each case, XDG_CONFIG_HOME of the program.
    std::unique_ptr<QTemporaryDir> config;

private slots:
    void init() { config = std::make_unique<QTemporaryDir>(); }

    void optionOpensItOverTheMainWindow()
    {
        Started program(config->path(), {QStringLiteral("--tassi-vigenti")});
        QVERIFY2(program.Shows({kMain, kRates}), program.Titles().join(", "));
        QVERIFY(program.IsActive(program.Windows()[1]));
        QVERIFY(program.EndsWithTheMainWindow(program.Windows()[0]));
    }

    // The remembered file is gone: a warning at start names it.
    void aBrokenTableIsNamedAtStart()
    {
        QVERIFY(QDir(config->path()).mkpath(QStringLiteral("tarvel")));
        QFile settings(config->filePath(QStringLiteral("tarvel/tarvel.conf")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[tabelle]\ntassi-legali=" + config->filePath(QStringLiteral("tassi.csv")).toUtf8() + "\n");
        settings.close();
        Started program(config->path(), {});
        QVERIFY2(program.Shows({kMain, kRates}), program.Titles().join(", "));
        const x11::WindowId box = program.Windows()[1];
        QCOMPARE(x11::Cardinals(box, "_NET_WM_WINDOW_TYPE").front(), x11::Atom("_NET_WM_WINDOW_TYPE_DIALOG"));
        QVERIFY(program.IsActive(box));
        QVERIFY(Keys(QStringLiteral("Return")));
        QVERIFY2(program.Shows({kMain}), program.Titles().join(", "));
        QVERIFY(program.EndsWithTheMainWindow(program.Windows()[0]));
        // Still remembered, for when the file is back.
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("tassi.csv"));
    }
};

QTEST_MAIN(RatesWindowDesktopTest)
#include "rates_window_desktop_test.moc"
