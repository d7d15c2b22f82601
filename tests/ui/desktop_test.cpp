// The windows under a real window manager: openbox on a private X server,
// started and stopped around this test by on-desktop. What the window manager
// shows and does is read back from the X server: titles, icons, states,
// stacking, the active window and the frames.
#include "runtime/qt_form_runtime.h"
#include "tests/print/fake_printer.h"
#include "tests/ui/data_rows.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/printer_window_steps.h"
#include "ui/application.h"
#include "ui/desktop_window.h"
#include "ui/frm_printer.h"
#include "ui/frm_tarvel.h"
#include "ui/frm_velmora.h"
#include "ui/rates_in_force_window.h"
#include "ui/window_layouts.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>

#include <functional>
#include <memory>
#include <optional>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

constexpr int kTimeoutMs = 20000; // a loaded machine

const QByteArray kMainTitle(tarvel::frmTarvel::kCaption);
const QByteArray kRatesTitle(tarvel::RatesInForceWindow::kCaption);

// What the X server holds about the windows.
namespace x {

using namespace tarvel::x11;

WindowId Id(QWidget* window) { return WindowId(window->winId()); }
WindowId Id(WindowId window) { return window; }

bool Contains(const std::vector<std::uint32_t>& values, const char* atom)
{
    return std::find(values.begin(), values.end(), Atom(atom)) != values.end();
}

// The title the window manager shows: its visible name, else the window's.
template <class Window>
QByteArray ShownTitle(Window window)
{
    const QByteArray visible = Property(Id(window), "_NET_WM_VISIBLE_NAME");
    return visible.isNull() ? Property(Id(window), "_NET_WM_NAME") : visible;
}

// The window manager has framed the window and shows it.
bool Managed(QWidget* window)
{
    const auto state = Cardinals(Id(window), "WM_STATE");
    return Cardinals(Id(window), "_NET_FRAME_EXTENTS").size() == 4 && !state.empty() && state[0] == 1;
}

template <class Window>
bool Hidden(Window window)
{
    return Contains(Cardinals(Id(window), "_NET_WM_STATE"), "_NET_WM_STATE_HIDDEN");
}

template <class Window>
bool Active(Window window)
{
    const auto active = Cardinals(Root(), "_NET_ACTIVE_WINDOW");
    return !active.empty() && active[0] == Id(window);
}

// Its place among the managed windows, bottom to top; -1 when not managed.
int StackIndex(QWidget* window)
{
    const auto stack = Cardinals(Root(), "_NET_CLIENT_LIST_STACKING");
    const auto found = std::find(stack.begin(), stack.end(), Id(window));
    return found == stack.end() ? -1 : int(found - stack.begin());
}

// The window with its frame, in screen pixels.
QRect FrameOnScreen(QWidget* window)
{
    xcb_connection_t* c = Connection();
    const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, Id(window)), nullptr));
    const Reply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, Id(window), Root(), 0, 0), nullptr));
    const auto extents = Cardinals(Id(window), "_NET_FRAME_EXTENTS"); // left, right, top, bottom
    if (!geometry || !origin || extents.size() != 4)
        return {};
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height)
        .adjusted(-int(extents[0]), -int(extents[2]), int(extents[1]), int(extents[3]));
}

template <class Window>
void Minimise(Window window)
{
    AskWindowManager(Id(window), "WM_CHANGE_STATE", {3 /* IconicState */});
}

// The close box: the window manager asks the window to close.
template <class Window>
void PressCloseBox(Window window)
{
    AskWindowManager(Id(window), "_NET_CLOSE_WINDOW", {0, 2});
}

bool XDoTool(const QStringList& arguments) { return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0; }

// A real click of the pointer, through the X server.
bool ClickAt(QPoint global)
{
    return XDoTool({"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"});
}

// Keys typed through the X server into the window it gives them to, as a
// user types: text, or keys by name ("Return", "ctrl+c").
bool Type(const QString& text) { return XDoTool({"type", "--delay", "20", text}); }
bool Keys(const QString& keys) { return XDoTool({"key", keys}); }

// The windows the window manager shows for the process `pid`, bottom to top.
std::vector<WindowId> WindowsOf(qint64 pid)
{
    std::vector<WindowId> windows;
    for (WindowId window : Cardinals(Root(), "_NET_CLIENT_LIST_STACKING"))
        if (Cardinals(window, "_NET_WM_PID") == std::vector<std::uint32_t>{std::uint32_t(pid)})
            windows.push_back(window);
    return windows;
}

} // namespace x

// The program itself, started with these arguments and with its settings in
// a folder of its own, where `settings` is the file it finds; stopped, if it
// still runs, when it goes.
class Started {
public:
    explicit Started(const QStringList& arguments, const QByteArray& settings = {})
    {
        if (!settings.isEmpty()) {
            QDir(config_.path()).mkpath(QStringLiteral("tarvel"));
            QFile file(SettingsFile());
            if (!file.open(QIODevice::WriteOnly) || file.write(settings) != settings.size())
                qWarning("settings not written");
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        program_.setProcessEnvironment(environment);
        program_.start(QStringLiteral(TARVEL_PROGRAM), arguments);
    }
    ~Started()
    {
        program_.kill();
        program_.waitForFinished(kTimeoutMs);
    }

    QString SettingsFile() const { return config_.filePath(QStringLiteral("tarvel/tarvel.conf")); }

    // Whether its windows are those of these titles, bottom to top; Shows
    // waits for them.
    bool ShowsNow(const QByteArrayList& titles)
    {
        windows = x::WindowsOf(program_.processId());
        return Titles() == titles;
    }
    bool Shows(const QByteArrayList& titles)
    {
        return QTest::qWaitFor([&] { return ShowsNow(titles); }, kTimeoutMs);
    }
    QByteArrayList Titles() const
    {
        QByteArrayList titles;
        for (x::WindowId window : windows)
            titles << x::ShownTitle(window);
        return titles;
    }

    // Closes the main window with its close box; whether the program then
    // ends as it should.
    bool EndsWithTheMainWindow(x::WindowId main)
    {
        x::PressCloseBox(main);
        return program_.waitForFinished(kTimeoutMs) && program_.exitStatus() == QProcess::NormalExit
               && program_.exitCode() == 0;
    }

    // Its windows as Shows last saw them.
    std::vector<x::WindowId> windows;

private:
    QTemporaryDir config_;
    QProcess program_;
};

// Sees the window manager's request to close a window (WM_DELETE_WINDOW).
class CloseRequestSpy final : public QAbstractNativeEventFilter {
public:
    explicit CloseRequestSpy(xcb_window_t window) : window_(window) { qApp->installNativeEventFilter(this); }
    ~CloseRequestSpy() override { qApp->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override
    {
        const auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* client = reinterpret_cast<const xcb_client_message_event_t*>(event);
            seen |= client->window == window_ && client->data.data32[0] == x::Atom("WM_DELETE_WINDOW");
        }
        return false;
    }
    bool seen = false;

private:
    xcb_window_t window_;
};

bool WaitManaged(QWidget* window)
{
    return QTest::qWaitFor([&] { return x::Managed(window); }, kTimeoutMs);
}

// Asks the window manager for something until it is done: a request that
// meets a window still being taken over is asked again.
bool AskUntil(const std::function<void()>& ask, const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kTimeoutMs) {
        ask();
        if (QTest::qWaitFor(done, 1000))
            return true;
    }
    return false;
}

// Once the modal box or dialog that the caller opens next, at once or by a
// click to come, is shown and framed, does `act` with it, from within the
// box's own event loop.
void WhenModalShown(std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer(qApp);
    auto* waited = new QElapsedTimer;
    waited->start();
    QPointer<QWidget> before = QApplication::activeModalWidget(); // the printer window, say
    QObject::connect(poll, &QTimer::timeout, [poll, waited, before, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool shown = modal && modal != before && x::Managed(modal);
        if (!shown && waited->elapsed() < kTimeoutMs)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (shown)
            act(modal);
    });
    poll->start(20);
}

// The text of the message box that the caller opens next, closed at once.
std::shared_ptr<QString> TextOfNextBox()
{
    auto text = std::make_shared<QString>();
    WhenModalShown([text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            *text = box->text();
        modal->close();
    });
    return text;
}

// Runs `open`, which shows a modal box or dialog, and reads the title the
// window manager shows for it before closing it.
QByteArray TitleOfModal(const std::function<void()>& open)
{
    QByteArray title;
    WhenModalShown([&](QWidget* modal) {
        title = x::ShownTitle(modal);
        modal->close();
    });
    open();
    return title;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QtFormRuntime> runtime;
    FakePlatform platform;
    std::unique_ptr<PrinterSelection> printers;
    RateTablesInUse tables;

    // The printers of the windows started next: recording ones of these names.
    void UsePrinters(std::initializer_list<const char*> names)
    {
        printers.reset();
        platform.printers.clear();
        for (const char* name : names)
            platform.printers.push_back(std::make_shared<FakePrinter>(name));
        printers = std::make_unique<PrinterSelection>(&platform);
    }

    // The main window as the program starts it, framed by the window manager.
    std::unique_ptr<frmTarvel> StartMainWindow()
    {
        auto w = std::make_unique<frmTarvel>(*runtime, *printers, tables);
        w->show();
        if (!WaitManaged(w.get()) || !QTest::qWaitForWindowActive(w.get()))
            qWarning("main window not shown");
        return w;
    }

    frmVelmora* OpenInfo(frmTarvel& w)
    {
        QTest::mouseClick(Find(w, "Command2"), Qt::LeftButton);
        frmVelmora* info = w.InfoWindow();
        // Shown, and its activation done, so that it does not undo a request
        // that follows.
        if (!info || !WaitManaged(info) || !QTest::qWaitFor([&] { return x::Active(info); }, kTimeoutMs))
            qWarning("Info window not shown");
        return info;
    }

    frmPrinter* OpenPrinter(frmTarvel& w)
    {
        frmPrinter* printer = OpenPrinterWindow(w);
        if (!printer || !WaitManaged(printer) || !QTest::qWaitFor([&] { return x::Active(printer); }, kTimeoutMs))
            qWarning("printer window not shown");
        return printer;
    }

    // Clicks into `field`, at `at` or at its left end, and types `text` there.
    static void TypeInto(QWidget* field, const QString& text, std::optional<QPoint> at = std::nullopt)
    {
        x::ClickAt(field->mapToGlobal(at.value_or(QPoint(3, field->height() / 2))));
        if (!QTest::qWaitFor([&] { return field->hasFocus(); }, kTimeoutMs))
            qWarning("the field did not take the focus");
        x::Type(text);
    }

    // Types over the whole text of `field`.
    static void Retype(QWidget* field, const QString& text)
    {
        TypeInto(field, QString());
        x::Keys(QStringLiteral("ctrl+a"));
        x::Type(text);
    }

    // The two dates and the capital as a user types them, then Enter in
    // `enter` (in "Capitale" when null).
    static void CalculateAsTyped(frmTarvel& w, const QString& capital, const QString& start, const QString& end,
                                 QWidget* enter = nullptr)
    {
        TypeInto(Find(w, "mdataini"), start);
        TypeInto(Find(w, "mdatafin"), end);
        TypeInto(Find(w, "importo"), capital);
        if (enter)
            TypeInto(enter, QString());
        x::Keys(QStringLiteral("Return"));
    }

    static bool ClickButton(QWidget* button) { return x::ClickAt(button->mapToGlobal(button->rect().center())); }

    // The main window, or the "info" or "printer" window opened from it.
    QWidget* Open(frmTarvel& w, const QString& window)
    {
        if (window == "info")
            return OpenInfo(w);
        if (window == "printer")
            return OpenPrinter(w);
        return &w;
    }

private slots:
    void init()
    {
        runtime = std::make_unique<QtFormRuntime>();
        UsePrinters({"P1", "P2"});
    }

    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* info = qobject_cast<frmVelmora*>(window))
                delete info;
        printers.reset();
        platform.printers.clear();
        runtime.reset();
    }

    // The titles exactly as the windows give them, nothing appended; the
    // Info window's empty, and without an icon.
    void titles()
    {
        auto w = StartMainWindow();
        QCOMPARE(x::ShownTitle(w.get()), QByteArray(frmTarvel::kCaption));

        frmVelmora* info = OpenInfo(*w);
        QVERIFY(info);
        QCOMPARE(x::ShownTitle(info), QByteArray(""));
        const auto icon = x::Cardinals(x::Id(info), "_NET_WM_ICON"); // width, height, ARGB...
        for (std::size_t i = 2; i < icon.size(); ++i)
            QCOMPARE(icon[i] >> 24, 0u);
        info->close();

        frmPrinter* printer = OpenPrinter(*w);
        QVERIFY(printer);
        QCOMPARE(x::ShownTitle(printer), QByteArray(frmPrinter::kCaption));
        printer->close();

        QCOMPARE(TitleOfModal([&] { runtime->MsgBox("Errore", "EasyPrint", MsgBoxIcon::Critical); }),
                 QByteArray("EasyPrint"));
        QCOMPARE(TitleOfModal([&] { runtime->AskSaveFileName(frmPrinter::kSavePdfTitle, "/tmp/Tarvel.pdf"); }),
                 QByteArray(frmPrinter::kSavePdfTitle));
    }

    void infoComesBack_data()
    {
        AddRows<QString>(
            "where",
            {{"minimised", "minimised"}, {"behind the main window", "behind"}, {"on another desktop", "desktop"}});
    }

    // "Info" brings the one Info window back, shown, here and active.
    void infoComesBack()
    {
        QFETCH(QString, where);
        auto w = StartMainWindow();
        frmVelmora* info = OpenInfo(*w);
        QVERIFY(info);
        if (where == "minimised") {
            QVERIFY(AskUntil([&] { x::Minimise(info); }, [&] { return x::Hidden(info); }));
        } else if (where == "desktop") {
            const std::vector<std::uint32_t> second{1};
            QVERIFY(AskUntil(
                [&] {
                    x::AskWindowManager(x::Id(info), "_NET_WM_DESKTOP", {1, 2});
                },
                [&] { return x::Cardinals(x::Id(info), "_NET_WM_DESKTOP") == second; }));
        } else {
            QVERIFY(AskUntil([&] { x::ClickAt(w->mapToGlobal(QPoint(5, 5))); },
                             [&] { return x::Active(w.get()) && x::StackIndex(w.get()) > x::StackIndex(info); }));
        }
        QVERIFY(AskUntil([&] { ClickButton(Find(*w, "Command2")); }, [&] { return x::Active(info); }));
        QVERIFY(!x::Hidden(info));
        QCOMPARE(x::Cardinals(x::Id(info), "_NET_WM_DESKTOP"), x::Cardinals(x::Root(), "_NET_CURRENT_DESKTOP"));
        QCOMPARE(w->InfoWindow(), info);
        QVERIFY(x::StackIndex(info) > x::StackIndex(w.get()));
    }

    void escapeCloses_data() { AddRows<QString>("which", {{"Info window", "info"}, {"printer window", "printer"}}); }

    void escapeCloses()
    {
        QFETCH(QString, which);
        auto w = StartMainWindow();
        QPointer<QWidget> window = Open(*w, which);
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(window->isActiveWindow(), kTimeoutMs);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.data(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!window, kTimeoutMs);
        QVERIFY(w->isEnabled() && !IsBlocked(*w));
        QCOMPARE(platform.printers[0]->calls.size(), std::size_t(0));
        if (which == "printer") {
            // The main window takes input again, from the start date.
            QTRY_VERIFY_WITH_TIMEOUT(x::Active(w.get()), kTimeoutMs);
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), Find(*w, "mdataini"), kTimeoutMs);
        }
    }

    // The printer window is a modal dialog of the main window: above it even
    // when the disabled main window is clicked, not maximisable, never
    // minimised on its own, and the main window's close box waits for it.
    void printerWindowIsADialogOfTheMainWindow()
    {
        auto w = StartMainWindow();
        Find<QLineEdit>(*w, "importo")->setText(QStringLiteral("1000"));
        QPointer<frmPrinter> printer = OpenPrinter(*w);
        QVERIFY(printer);
        QCOMPARE(x::Cardinals(x::Id(printer), "WM_TRANSIENT_FOR"), std::vector<std::uint32_t>{x::Id(w.get())});
        QVERIFY(x::Contains(x::Cardinals(x::Id(printer), "_NET_WM_STATE"), "_NET_WM_STATE_MODAL"));
        const auto allowed = x::Cardinals(x::Id(printer), "_NET_WM_ALLOWED_ACTIONS");
        QVERIFY(x::Contains(allowed, "_NET_WM_ACTION_CLOSE"));
        for (const char* action : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
            QVERIFY2(!x::Contains(allowed, action), action);

        QVERIFY(x::ClickAt(w->mapToGlobal(QPoint(5, 5))));
        QVERIFY(ClickButton(Find(*w, "Pulisci")));
        QTRY_VERIFY_WITH_TIMEOUT(x::StackIndex(printer) > x::StackIndex(w.get()), kTimeoutMs);
        QCOMPARE(Find<QLineEdit>(*w, "importo")->text(), QStringLiteral("1000")); // "Cancella" did not run

        // The close box: the request reaches the program, which keeps both windows.
        CloseRequestSpy spy(x::Id(w.get()));
        x::PressCloseBox(w.get());
        QTRY_VERIFY_WITH_TIMEOUT(spy.seen, kTimeoutMs);
        QApplication::processEvents();
        QVERIFY(w->isVisible());
        QVERIFY(printer && printer->isVisible());

        // Minimised, it takes the main window with it, and comes back with it
        // above it: it never leaves the disabled main window alone.
        QVERIFY(AskUntil([&] { x::Minimise(printer); }, [&] { return x::Hidden(printer) && x::Hidden(w.get()); }));
        QVERIFY(AskUntil(
            [&] {
                x::AskWindowManager(x::Id(w.get()), "_NET_ACTIVE_WINDOW", {2, XCB_CURRENT_TIME});
            },
            [&] { return !x::Hidden(printer) && !x::Hidden(w.get()); }));
        QTRY_VERIFY_WITH_TIMEOUT(x::StackIndex(printer) > x::StackIndex(w.get()), kTimeoutMs);
        printer->close();
    }

    void centring_data()
    {
        AddRows<QString>("window", {{"main window", "main"}, {"Info window", "info"}, {"printer window", "printer"}});
    }

    // The whole window, frame included, stands at the centre of the screen.
    void centring()
    {
        QFETCH(QString, window);
        auto w = StartMainWindow();
        QWidget* shown = Open(*w, window);
        QVERIFY(shown);
        const QRect frame = x::FrameOnScreen(shown);
        const QPoint offset = frame.center() - QGuiApplication::primaryScreen()->geometry().center();
        qInfo("%s: frame %dx%d at %d,%d, centre off by %d,%d px", qPrintable(window), frame.width(), frame.height(),
              frame.x(), frame.y(), offset.x(), offset.y());
        QVERIFY(frame.height() > shown->height()); // the title bar is counted
        QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1, "not centred");
        if (window == "printer")
            shown->close();
    }

    // Cancelling the save dialog gives the focus back to the printer window.
    void focusAfterCancelledSave()
    {
        UsePrinters({});
        auto w = StartMainWindow();
        QPointer<frmPrinter> printer = OpenPrinter(*w);
        QVERIFY(printer);
        WhenModalShown([](QWidget* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                files->reject();
        });
        Command1(*printer)->click();
        QVERIFY(printer);
        QTRY_VERIFY_WITH_TIMEOUT(x::Active(printer), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), Command1(*printer), kTimeoutMs);
        QVERIFY(IsBlocked(*w));
        printer->close();
    }

    void aDateAsTyped_data()
    {
        QTest::addColumn<QString>("focus"); // how the start date gets it
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("after the warning") << "warning" << "02012000" << "02 / 01 / 2000";
        // Typed over a date, as the field was once seen to mix the two.
        QTest::newRow("after a click in the middle") << "middle" << "15/6/2018" << "15 / 06 / 2018";
        // Right after a click, which a slow program once took for a double click.
        QTest::newRow("separators at a section's start, after a click") << "click" << "/31//1/-2000" << "31 / 01 / 2000";
        QTest::newRow("after Enter, over the date typed") << "Enter" << "1/1/2020" << "01 / 01 / 2020";
        QTest::newRow("over a date typed before leaving the window") << "window left" << "1/1/2020" << "01 / 01 / 2020";
        // clang-format on
    }

    // As a user types it, a date goes in whole over the date the field holds,
    // when the real focus comes back from the warning, with a click, after
    // Enter and back from another window (the typing rules are the form's).
    void aDateAsTyped()
    {
        QFETCH(QString, focus);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto w = StartMainWindow();
        auto* field = Find<MaskedEdit>(*w, "mdataini");
        if (focus == "warning") {
            const auto said = TextOfNextBox();
            CalculateAsTyped(*w, "1000", "01012000", "01011999"); // an end before the start
            QTRY_VERIFY_WITH_TIMEOUT(!said->isEmpty() && x::Active(w.get()) && field->hasFocus(), kTimeoutMs);
        } else if (focus == "Enter") {
            CalculateAsTyped(*w, "1000", "01012000", "01012015", field);
        } else if (focus == "window left") {
            TypeInto(field, "01012021");
            // Not a click on "Info", which would take the focus.
            QMetaObject::invokeMethod(w.get(), "Command2_Click");
            QVERIFY(QTest::qWaitFor([&] { return w->InfoWindow() && x::Active(w->InfoWindow()); }, kTimeoutMs));
            w->InfoWindow()->close(); // the window manager goes back to the main window
        } else {
            field->SetText(QStringLiteral("01 / 01 / 2000"));
            const double across = focus == "middle" ? 0.6 : 0;
            TypeInto(field, typed, QPoint(3 + int(across * (field->width() - 7)), field->height() / 2));
        }
        if (focus == "warning" || focus == "Enter" || focus == "window left") {
            QTRY_VERIFY_WITH_TIMEOUT(x::Active(w.get()) && field->hasFocus(), kTimeoutMs);
            x::Type(typed);
        }
        QTRY_COMPARE_WITH_TIMEOUT(field->Text(), shown, kTimeoutMs);
    }

    void enterRunsCalcola_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("in the start date") << 0 << "10000" << "10.000,00";
        QTest::newRow("in the end date") << 1 << "10000" << "10.000,00";
        // Cut off at the left, it would read as 234.567.890,00.
        QTest::newRow("in Capitale, a billion shown whole") << 2 << "1234567890" << "1.234.567.890,00";
        // clang-format on
    }

    void enterRunsCalcola()
    {
        QFETCH(int, field);
        QFETCH(QString, capital);
        QFETCH(QString, shown);
        auto w = StartMainWindow();
        QWidget* const fields[] = {Find(*w, "mdataini"), Find(*w, "mdatafin"), Find(*w, "importo")};
        CalculateAsTyped(*w, capital, "01012000", "01012015", fields[field]);
        QTRY_COMPARE_WITH_TIMEOUT(TextIn(*w, ResultControl::Label8), QStringLiteral("anni  15"), kTimeoutMs);
        QCOMPARE(Find<QLineEdit>(*w, "importo")->text(), shown);
        QCOMPARE(QApplication::focusWidget(), fields[field]);
        const QString cut = TextNotShownWhole(*w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }

    // How the window of the rates in force is opened or brought back.
    void ratesWindowTakesADateInDal_data()
    {
        AddRows<QString>("how", {{"Ctrl+T", "ctrl+t"},
                                 {"Ctrl+T again, after typing in Capitale", "again"},
                                 {"the notice's button", "notice"},
                                 {"at start, as --tassi-vigenti", "start"}});
    }

    // However the window of the rates in force comes up, a date typed goes
    // whole into "Dal", over the date there, and nowhere else.
    void ratesWindowTakesADateInDal()
    {
        QFETCH(QString, how);
        auto w = StartMainWindow();
        if (how == "again") {
            x::Keys(QStringLiteral("ctrl+t"));
            QTRY_VERIFY_WITH_TIMEOUT(w->RatesWindow() && x::Active(w->RatesWindow()), kTimeoutMs);
            TypeInto(Find(*w->RatesWindow(), "capitale"), QStringLiteral("1000"));
            x::Keys(QStringLiteral("Escape"));
            QTRY_VERIFY_WITH_TIMEOUT(x::Active(w.get()), kTimeoutMs);
        }
        if (how == "notice") {
            CalculateAsTyped(*w, "10000", "01012015", "01012020");
            QWidget* button = Find(*w, "AvvisoApri");
            // Clicked once the window has grown by the notice on the screen.
            QTRY_VERIFY_WITH_TIMEOUT(
                button->isVisible()
                    && x::FrameOnScreen(w.get()).contains(QRect(button->mapToGlobal(QPoint()), button->size())),
                kTimeoutMs);
            ClickButton(button);
        } else if (how == "start") {
            w->Started(true);
        } else {
            x::Keys(QStringLiteral("ctrl+t"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(w->RatesWindow() && x::Active(w->RatesWindow()), kTimeoutMs);
        RatesInForceWindow& rates = *w->RatesWindow();
        const QString capital = Find<QLineEdit>(rates, "capitale")->text();
        QTRY_VERIFY_WITH_TIMEOUT(Find(rates, "dal")->hasFocus(), kTimeoutMs);
        x::Type(QStringLiteral("05/05/2019"));
        QTRY_COMPARE_WITH_TIMEOUT(Find<MaskedEdit>(rates, "dal")->Text(), QStringLiteral("05 / 05 / 2019"), kTimeoutMs);
        QCOMPARE(Find<QLineEdit>(rates, "capitale")->text(), capital);
    }

    // The window of the rates in force opens wholly inside the screen's
    // available area, also on a small screen (run once more at 1024 x 600).
    void ratesWindowInsideTheScreen()
    {
        auto w = StartMainWindow();
        x::Keys(QStringLiteral("ctrl+t"));
        QTRY_VERIFY_WITH_TIMEOUT(w->RatesWindow() && x::Active(w->RatesWindow()), kTimeoutMs);
        const QRect frame = x::FrameOnScreen(w->RatesWindow());
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        qInfo("frame %dx%d at %d,%d on %dx%d", frame.width(), frame.height(), frame.x(), frame.y(), available.width(),
              available.height());
        QVERIFY(available.contains(frame));
    }

    // With the list of movements open, the statement's table gives up its
    // rows first: Copia, Stampa and Chiudi stay inside the screen and answer
    // a click, also on a small screen (run once more at 1024 x 600).
    void statementTableWithTheListFits()
    {
        auto w = StartMainWindow();
        CalculateAsTyped(*w, "25000", "15062018", "08122026");
        x::Keys(QStringLiteral("ctrl+t"));
        QTRY_VERIFY_WITH_TIMEOUT(w->RatesWindow() && x::Active(w->RatesWindow()), kTimeoutMs);
        RatesInForceWindow& rates = *w->RatesWindow();
        ClickButton(Find(rates, "mostraMovimenti"));
        QTRY_VERIFY_WITH_TIMEOUT(Find(rates, "gruppoMovimenti")->isVisible(), kTimeoutMs);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const auto inside = [&](const char* name) {
            QWidget* button = Find(rates, name);
            return button->isVisible() && button->isEnabled()
                   && available.contains(QRect(button->mapToGlobal(QPoint()), button->size()))
                   && rates.rect().contains(QRect(button->mapTo(&rates, QPoint()), button->size()));
        };
        for (const char* name : {"copia", "stampa", "chiudi"})
            QTRY_VERIFY2_WITH_TIMEOUT(inside(name), name, kTimeoutMs);
        // The window manager moves the frame after the window grows: waited for, as the buttons are.
        QTRY_VERIFY_WITH_TIMEOUT(available.contains(x::FrameOnScreen(&rates)), kTimeoutMs);
        QVERIFY(Find<QTableView>(rates, "prospetto")->height() > 0);
        ClickButton(Find(rates, "copia"));
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QString::fromStdString(rates.Form().Copied()),
                                  kTimeoutMs);
        ClickButton(Find(rates, "chiudi"));
        QTRY_VERIFY_WITH_TIMEOUT(!rates.isVisible(), kTimeoutMs);
    }

    // A name in the edit field that is no installed printer: said, nothing printed.
    void aTypedPrinterName()
    {
        const FakePrinter &P1 = *platform.printers[0], &P2 = *platform.printers[1];
        auto w = StartMainWindow();
        QPointer<frmPrinter> printer = OpenPrinter(*w);
        QVERIFY(printer);
        Retype(Combo1(*printer)->lineEdit(), "Largoxyz");
        QTRY_COMPARE_WITH_TIMEOUT(Combo1(*printer)->currentText(), QStringLiteral("Largoxyz"), kTimeoutMs);
        const auto said = TextOfNextBox();
        ClickButton(Command1(*printer));
        QTRY_COMPARE_WITH_TIMEOUT(*said, QStringLiteral("La stampante \"Largoxyz\" non è installata"), kTimeoutMs);
        QVERIFY(printer && printer->isVisible());
        QCOMPARE(P1.CallsOf("Print").size() + P2.CallsOf("Print").size(), std::size_t(0));
        printer->close();
    }

    void closingTheMainWindowEndsTheProgram_data()
    {
        AddRows<bool>("minimised", {{"with Info open", false}, {"with Info minimised", true}});
    }

    // The program itself: its main window closed, it ends, Info and all.
    void closingTheMainWindowEndsTheProgram()
    {
        QFETCH(bool, minimised);
        Started program({});
        QVERIFY2(program.Shows({kMainTitle}), program.Titles().join(", "));
        const x::WindowId main = program.windows[0];
        const QPoint info = PlaceOf(kMainWindowLayout, "Command2").Pixels().center();
        QVERIFY(AskUntil(
            [&] {
                x::XDoTool({"mousemove", "--window", QString::number(main), QString::number(info.x()),
                            QString::number(info.y()), "click", "1"});
            },
            [&] {
                return program.ShowsNow({kMainTitle, ""});
            }));
        if (minimised)
            QVERIFY(AskUntil([&] { x::Minimise(program.windows[1]); }, [&] { return x::Hidden(program.windows[1]); }));
        QVERIFY(program.EndsWithTheMainWindow(main));
    }

    // --tassi-vigenti: the window of the rates in force over the main window,
    // and active.
    void optionOpensItOverTheMainWindow()
    {
        Started program({QStringLiteral("--tassi-vigenti")});
        QVERIFY2(program.Shows({kMainTitle, kRatesTitle}), program.Titles().join(", "));
        QTRY_VERIFY_WITH_TIMEOUT(x::Active(program.windows[1]), kTimeoutMs);
        QVERIFY(program.EndsWithTheMainWindow(program.windows[0]));
    }

    // A remembered table file that is gone: a warning box at start names it,
    // and it stays remembered, for when the file is back.
    void aBrokenTableIsNamedAtStart()
    {
        QTemporaryDir gone;
        Started program({}, "[tabelle]\ntassi-legali=" + gone.filePath(QStringLiteral("tassi.csv")).toUtf8() + "\n");
        QVERIFY2(program.Shows({kMainTitle, kRatesTitle}), program.Titles().join(", "));
        const x::WindowId box = program.windows[1];
        QCOMPARE(x::Cardinals(box, "_NET_WM_WINDOW_TYPE").front(), x::Atom("_NET_WM_WINDOW_TYPE_DIALOG"));
        QTRY_VERIFY_WITH_TIMEOUT(x::Active(box), kTimeoutMs);
        QVERIFY(x::Keys(QStringLiteral("Return")));
        QVERIFY2(program.Shows({kMainTitle}), program.Titles().join(", "));
        QVERIFY(program.EndsWithTheMainWindow(program.windows[0]));
        QFile settings(program.SettingsFile());
        QVERIFY(settings.open(QIODevice::ReadOnly) && settings.readAll().contains("tassi.csv"));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    DesktopTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
