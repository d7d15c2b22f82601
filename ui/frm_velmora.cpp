#include "ui/frm_velmora.h"

#include "calc/version.h"

#include "ui/colours.h"
#include "ui/desktop_window.h"
#include "ui/enter_key.h"
#include "ui/maker.h"
#include "ui/modulo2.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "ui/window_layouts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace tarvel {
namespace {

QString Notice()
{
    return QStringLiteral("Tarvel è gratuito per uso personale. Aggiornamenti, tabelle dei tassi "
                          "e altri programmi per lo studio e l'ufficio si trovano sul sito %1: "
                          "un clic su questo riquadro lo apre nel browser.")
        .arg(QString::fromUtf8(kMakerSite));
}

// The classic dotted focus frame, drawn over the links without taking the
// pointer. Dark, as the links' fixed light backgrounds need.
class DottedFrame final : public QWidget {
public:
    explicit DottedFrame(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(kDarkText, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

frmVelmora::frmVelmora(FormRuntime& runtime, QWidget* parent) : QWidget(parent, Qt::Tool), runtime_(runtime)
{
    setObjectName(QStringLiteral("frmVelmora"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A tool window does not keep the program alive: the main window closes
    // it when it goes, and the program ends.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    setWindowIcon(NoIcon());
    setFont(WindowFont());
    setFixedSize(kInfoWindowClient.Pixels().size());

    // The links' texts have fixed colours, so their backgrounds are fixed too.
    Label1 = new QLabel(QString::fromUtf8(kMakerMail), this);
    Place(Label1, kInfoWindowLayout, "Label1");
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(WindowFont(13.5));
    SetForeColor(Label1, kInfoLinkText);
    SetBackColor(Label1, kLightInfoBackground);
    // Label1's single-line border, drawn apart so that it keeps its colour
    // when the text turns red; the pointer passes through it to Label1.
    Label1Border = new QFrame(this);
    Label1Border->setGeometry(Label1->geometry());
    Label1Border->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1Border->setLineWidth(1);
    SetForeColor(Label1Border, kDarkText);
    Label1Border->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label2 = new QLabel(Notice(), this);
    Place(Label2, kInfoWindowLayout, "Label2");
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setFont(DesignFont(QStringLiteral("Liberation Sans"), 9.75, true));
    SetForeColor(Label2, kInfoLinkText);
    SetBackColor(Label2, kLightButtonFace);

    bntpay = new QLabel(this);
    Place(bntpay, kInfoWindowLayout, "bntpay");
    bntpay->setPixmap(PicturePixmap(QStringLiteral("bntpay"), {60, 23}));
    SetBackColor(bntpay, kLightInfoBackground);

    // The links are reached with Tab in their design order and opened with
    // Enter or Space.
    for (QLabel* link : {Label1, Label2, bntpay}) {
        link->setMouseTracking(true);
        link->setCursor(Qt::PointingHandCursor);
        link->setFocusPolicy(Qt::TabFocus);
        link->installEventFilter(this);
    }
    FocusFrame = new DottedFrame(this);
    setTabOrder(Label1, Label2);
    setTabOrder(Label2, bntpay);
    Label1->setAccessibleDescription(QStringLiteral("Scrivi un messaggio di posta"));
    Label2->setAccessibleDescription(QStringLiteral("Apri il sito %1").arg(QString::fromUtf8(kMakerSite)));
    bntpay->setAccessibleName(QString::fromUtf8(kMakerSite));
    bntpay->setAccessibleDescription(Label2->accessibleDescription());

    // The title bar stays empty, as the window manager shows it too.
    ShowExactTitle(*this);

    // The platform's place for a new window of this kind: the screen's
    // centre, frame included.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QMargins margins = FrameMargins(*this);
        QRect frame(QPoint(), size().grownBy(margins));
        frame.moveCenter(screen->availableGeometry().center());
        MoveFrameTo(*this, frame.topLeft(), margins);
    }
}

std::string frmVelmora::MailLink()
{
    return std::string("mailto:") + kMakerMail + "?subject=Informazioni su Tarvel " TARVEL_VERSION " - " + kMakerSite;
}

void frmVelmora::Label1_Click() { Modulo2::ApriLink(*this, runtime_, MailLink()); }

void frmVelmora::Label2_Click() { Modulo2::ApriLink(*this, runtime_, std::string("http://") + kMakerSite); }

void frmVelmora::bntpay_Click() { Label2_Click(); }

void frmVelmora::Label2_MouseMove()
{
    SetForeColor(Label2, kInfoHoverText);
    SetForeColor(Label1, kInfoLinkText);
}

void frmVelmora::Label1_MouseMove()
{
    SetForeColor(Label2, kInfoLinkText);
    SetBackColor(bntpay, kLightInfoBackground);
    SetForeColor(Label1, kInfoHoverText);
}

void frmVelmora::bntpay_MouseMove()
{
    SetBackColor(bntpay, kInfoHoverText);
    SetBackColor(bntpay, kInfoLinkText);
}

void frmVelmora::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmVelmora::OpenLink(QObject* link)
{
    if (link == Label1)
        Label1_Click();
    else if (link == Label2)
        Label2_Click();
    else if (link == bntpay)
        bntpay_Click();
    else
        return false;
    return true;
}

void frmVelmora::ShowHover(QObject* link)
{
    if (link == Label1)
        Label1_MouseMove();
    else if (link == Label2)
        Label2_MouseMove();
    else if (link == bntpay)
        bntpay_MouseMove();
}

void frmVelmora::FrameFocus(QWidget* link)
{
    if (!link) {
        FocusFrame->hide();
        return;
    }
    // Round the notice and the picture, on the box of the e-mail address; in
    // that box, which fills the window, round the address, clear of its text.
    QRect around = link->geometry().adjusted(-2, -2, 2, 2);
    if (link == Label1) {
        const QFontMetrics metrics(Label1->font());
        around = QRect(0, 0, metrics.horizontalAdvance(Label1->text()) + 8, metrics.height() + 1);
        around.moveCenter(Label1->geometry().center());
        around.moveTop(Label1->y() + 2);
    }
    FocusFrame->setGeometry(around);
    FocusFrame->raise();
    FocusFrame->show();
}

bool frmVelmora::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const bool space = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
        if ((IsEnter(event) || space) && OpenLink(watched))
            return true;
    } else if (event->type() == QEvent::FocusOut) {
        FrameFocus(nullptr);
    } else if (event->type() == QEvent::FocusIn) {
        FrameFocus(static_cast<QWidget*>(watched));
        // The link reached with the keyboard shows the colours of the pointer
        // over it; the focus the window starts with does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            ShowHover(watched);
    } else if (event->type() == QEvent::MouseMove) {
        ShowHover(watched);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* control = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint()))
            OpenLink(watched);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvel
