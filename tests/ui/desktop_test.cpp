// The windows under a real window manager: openbox on a private X server,
// started and stopped around this test by on-desktop. What the window manager
// shows and does is read back from the X server: titles, icons, states,
// stacking, the active window and the frames.
#include "runtime/qt_form_runtime.h"
#include "tests/print/fake_printer.h"
#include "tests/ui/main_window_steps.h"
#include "ui/application.h"
#include "ui/frm_printer.h"
#include "ui/frm_tarvel.h"
#include "ui/frm_velmora.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

constexpr int kTimeoutMs = 20000; // a loaded machine

// What the X server holds about the windows.
namespace x {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

xcb_connection_t* Connection() { return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection(); }

xcb_window_t Root() { return xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root; }

xcb_window_t Id(QWidget* window) { return xcb_window_t(window->winId()); }

xcb_atom_t Atom(const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(
        Connection(), xcb_intern_atom(Connection(), 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A property's bytes; null when it is not set.
QByteArray Property(xcb_window_t window, const char* name)
{
    std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(xcb_get_property_reply(
        Connection(), xcb_get_property(Connection(), 0, window, Atom(name), XCB_ATOM_ANY, 0, 1 << 20), nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    const int length = xcb_get_property_value_length(reply.get());
    return length ? QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length)
                  : QByteArray("");
}

std::vector<std::uint32_t> Cardinals(xcb_window_t window, const char* name)
{
    const QByteArray bytes = Property(window, name);
    std::vector<std::uint32_t> values(std::size_t(bytes.size()) / 4);
    std::memcpy(values.data(), bytes.constData(), values.size() * 4);
    return values;
}

bool Contains(const std::vector<std::uint32_t>& values, const char* atom)
{
    return std::find(values.begin(), values.end(), Atom(atom)) != values.end();
}

// The title the window manager shows: its visible name, else the window's.
QByteArray ShownTitle(QWidget* window)
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

bool Hidden(QWidget* window) { return Contains(Cardinals(Id(window), "_NET_WM_STATE"), "_NET_WM_STATE_HIDDEN"); }

bool Active(QWidget* window)
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
    std::unique_ptr<xcb_get_geometry_reply_t, FreeReply> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, Id(window)), nullptr));
    std::unique_ptr<xcb_translate_coordinates_reply_t, FreeReply> origin(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, Id(window), Root(), 0, 0), nullptr));
    const auto extents = Cardinals(Id(window), "_NET_FRAME_EXTENTS"); // left, right, top, bottom
    if (!geometry || !origin || extents.size() != 4)
        return {};
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height)
        .adjusted(-int(extents[0]), -int(extents[2]), int(extents[1]), int(extents[3]));
}

// A request to the window manager, as a pager or a task bar sends it.
void AskWindowManager(QWidget* window, const char* type, std::array<std::uint32_t, 5> data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = Id(window);
    message.type = Atom(type);
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(Connection(), 0, Root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(Connection());
}

void Minimise(QWidget* window) { AskWindowManager(window, "WM_CHANGE_STATE", {3 /* IconicState */}); }

// The close box: the window manager asks the window to close.
void PressCloseBox(QWidget* window) { AskWindowManager(window, "_NET_CLOSE_WINDOW", {0, 2}); }

// A real click of the pointer, through the X server.
bool ClickAt(QPoint global)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
                              QStringLiteral("click"), QStringLiteral("1")})
        == 0;
}

} // namespace x

class NoPrinters final : public PrinterPlatform {
public:
    std::vector<std::shared_ptr<Printer>> Printers() override { return {}; }
    std::shared_ptr<Printer> DefaultPrinter() override { return nullptr; }
};

class OnePrinter final : public PrinterPlatform {
public:
    std::vector<std::shared_ptr<Printer>> Printers() override { return {printer}; }
    std::shared_ptr<Printer> DefaultPrinter() override { return printer; }
    std::shared_ptr<FakePrinter> printer = std::make_shared<FakePrinter>("P1");
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

// Once the modal box or dialog that the caller opens next is shown and
// framed, does `act` with it, from within the box's own event loop.
void WhenModalShown(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = nullptr;
        if (QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()) && x::Managed(modal); },
                            kTimeoutMs))
            act(modal);
    });
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
    std::unique_ptr<PrinterPlatform> printers;

    // The main window as the program starts it, framed by the window manager.
    std::unique_ptr<frmTarvel> StartMainWindow()
    {
        auto w = std::make_unique<frmTarvel>();
        w->Form_Load();
        w->show();
        if (!WaitManaged(w.get()) || !QTest::qWaitForWindowActive(w.get()))
            qWarning("main window not shown");
        return w;
    }

    frmVelmora* OpenInfo(frmTarvel& w)
    {
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        frmVelmora* info = w.InfoWindow();
        // Shown, and its activation done, so that it does not undo a request
        // that follows.
        if (!info || !WaitManaged(info) || !QTest::qWaitFor([&] { return x::Active(info); }, kTimeoutMs))
            qWarning("Info window not shown");
        return info;
    }

    frmPrinter* OpenPrinter(frmTarvel& w)
    {
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        frmPrinter* printer = w.PrinterWindow();
        if (!printer || !WaitManaged(printer) || !QTest::qWaitForWindowActive(printer)
            || !QTest::qWaitFor([&] { return x::Active(printer); }, kTimeoutMs))
            qWarning("printer window not shown");
        return printer;
    }

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
        SetRuntime(runtime.get());
        printers = std::make_unique<OnePrinter>();
        SetPrinterPlatform(printers.get());
    }

    void cleanup()
    {
        SetCurrentPrinter(nullptr);
        SetPrinterPlatform(nullptr);
        SetRuntime(nullptr);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* info = qobject_cast<frmVelmora*>(window))
                delete info;
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

        QCOMPARE(TitleOfModal([&] { Runtime().MsgBox("Errore", "EasyPrint", MsgBoxIcon::Critical); }),
                 QByteArray("EasyPrint"));
        QCOMPARE(TitleOfModal([&] { Runtime().AskSaveFileName(frmPrinter::kSavePdfTitle, "/tmp/Tarvel.pdf"); }),
                 QByteArray(frmPrinter::kSavePdfTitle));
    }

    void infoComesBack_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("minimised") << "minimised";
        QTest::newRow("behind the main window") << "behind";
        QTest::newRow("on another desktop") << "desktop";
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
            QVERIFY(AskUntil([&] { x::AskWindowManager(info, "_NET_WM_DESKTOP", {1, 2}); },
                             [&] { return x::Cardinals(x::Id(info), "_NET_WM_DESKTOP") == second; }));
        } else {
            QVERIFY(AskUntil([&] { x::ClickAt(w->mapToGlobal(QPoint(5, 5))); },
                             [&] { return x::Active(w.get()) && x::StackIndex(w.get()) > x::StackIndex(info); }));
        }
        QVERIFY(AskUntil([&] { x::ClickAt(w->Command2->mapToGlobal(w->Command2->rect().center())); },
                         [&] { return x::Active(info); }));
        QVERIFY(!x::Hidden(info));
        QCOMPARE(x::Cardinals(x::Id(info), "_NET_WM_DESKTOP"), x::Cardinals(x::Root(), "_NET_CURRENT_DESKTOP"));
        QCOMPARE(w->InfoWindow(), info);
        QVERIFY(x::StackIndex(info) > x::StackIndex(w.get()));
    }

    void escapeCloses_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("Info window") << "info";
        QTest::newRow("printer window") << "printer";
    }

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
        QVERIFY(w->isEnabled());
        QCOMPARE(static_cast<OnePrinter&>(*printers).printer->calls.size(), std::size_t(0));
        if (which == "printer") {
            // The main window takes input again, from the start date.
            QTRY_VERIFY_WITH_TIMEOUT(x::Active(w.get()), kTimeoutMs);
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), w->mdataini, kTimeoutMs);
        }
    }

    // The printer window is a modal dialog of the main window: above it even
    // when the disabled main window is clicked, not maximisable, never
    // minimised on its own, and the main window's close box waits for it.
    void printerWindowIsADialogOfTheMainWindow()
    {
        auto w = StartMainWindow();
        w->importo->setText(QStringLiteral("1000"));
        QPointer<frmPrinter> printer = OpenPrinter(*w);
        QVERIFY(printer);
        QCOMPARE(x::Cardinals(x::Id(printer), "WM_TRANSIENT_FOR"), std::vector<std::uint32_t>{x::Id(w.get())});
        QVERIFY(x::Contains(x::Cardinals(x::Id(printer), "_NET_WM_STATE"), "_NET_WM_STATE_MODAL"));
        const auto allowed = x::Cardinals(x::Id(printer), "_NET_WM_ALLOWED_ACTIONS");
        QVERIFY(x::Contains(allowed, "_NET_WM_ACTION_CLOSE"));
        for (const char* action : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
            QVERIFY2(!x::Contains(allowed, action), action);

        QVERIFY(x::ClickAt(w->mapToGlobal(QPoint(5, 5))));
        QVERIFY(x::ClickAt(w->Pulisci->mapToGlobal(w->Pulisci->rect().center())));
        QTRY_VERIFY_WITH_TIMEOUT(x::StackIndex(printer) > x::StackIndex(w.get()), kTimeoutMs);
        QCOMPARE(w->importo->text(), QStringLiteral("1000")); // "Cancella" did not run

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
        QVERIFY(AskUntil([&] { x::AskWindowManager(w.get(), "_NET_ACTIVE_WINDOW", {2, XCB_CURRENT_TIME}); },
                         [&] { return !x::Hidden(printer) && !x::Hidden(w.get()); }));
        QTRY_VERIFY_WITH_TIMEOUT(x::StackIndex(printer) > x::StackIndex(w.get()), kTimeoutMs);
        printer->close();
    }

    void centring_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << "main";
        QTest::newRow("Info window") << "info";
        QTest::newRow("printer window") << "printer";
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
        qInfo("%s: frame %dx%d at %d,%d, centre off by %d,%d px", qPrintable(window), frame.width(),
              frame.height(), frame.x(), frame.y(), offset.x(), offset.y());
        QVERIFY(frame.height() > shown->height()); // the title bar is counted
        QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1, "not centred");
        if (window == "printer")
            shown->close();
    }

    // Cancelling the save dialog gives the focus back to the printer window.
    void focusAfterCancelledSave()
    {
        printers = std::make_unique<NoPrinters>();
        SetPrinterPlatform(printers.get());
        auto w = StartMainWindow();
        QPointer<frmPrinter> printer = OpenPrinter(*w);
        QVERIFY(printer);
        WhenModalShown([](QWidget* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                files->reject();
        });
        printer->Command1->click();
        QVERIFY(printer);
        QTRY_VERIFY_WITH_TIMEOUT(x::Active(printer), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), printer->Command1, kTimeoutMs);
        QVERIFY(!w->isEnabled());
        printer->close();
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
