#include "frm_velmora.h"

#include "colours.h"
#include "maker.h"
#include "modulo2.h"
#include "pictures.h"
#include "twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace tarvel {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QString Notice()
{
    return QStringLiteral("Tarvel è gratuito per uso personale. Aggiornamenti, tabelle dei tassi "
                          "e altri programmi per lo studio e l'ufficio si trovano sul sito %1: "
                          "un clic su questo riquadro lo apre nel browser.")
        .arg(QString::fromUtf8(kMakerSite));
}

} // namespace

frmVelmora::frmVelmora(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("frmVelmora"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window does not keep the program alive by default; this one does,
    // since it stays open after the main window has gone.
    setAttribute(Qt::WA_QuitOnClose);
    setWindowTitle(QString());
    setFont(WindowFont());
    setFixedSize(TwipsToPixels(6750), TwipsToPixels(2760));

    Label1 = new QLabel(QString::fromUtf8(kMakerMail), this);
    Label1->setGeometry(TwipsRect(120, 120, 6495, 2535));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setLineWidth(1);
    Label1->setFont(WindowFont(13.5));
    SetForeColor(Label1, kBlue);
    SetBackColor(Label1, InfoBackground());

    Label2 = new QLabel(Notice(), this);
    Label2->setGeometry(TwipsRect(240, 720, 6255, 975));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setFont(DesignFont(QStringLiteral("Liberation Sans"), 9.75, true));
    SetForeColor(Label2, kBlue);
    SetBackColor(Label2, SystemColour(QPalette::Button));

    bntpay = new QLabel(this);
    bntpay->setGeometry(TwipsToPixels(2888), TwipsToPixels(2040), 60, 23);
    bntpay->setPixmap(PicturePixmap(QStringLiteral("bntpay"), {60, 23}));
    SetBackColor(bntpay, InfoBackground());

    for (QLabel* link : {Label1, Label2, bntpay}) {
        link->setMouseTracking(true);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    // The platform's place for a new window of this kind: the screen's centre.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

std::string frmVelmora::MailLink()
{
    return std::string("mailto:") + kMakerMail + "?subject=Informazioni su Tarvel 6.3.0 - " + kMakerSite;
}

void frmVelmora::Label1_Click() { Modulo2::ApriLink(*this, MailLink()); }

void frmVelmora::Label2_Click() { Modulo2::ApriLink(*this, std::string("http://") + kMakerSite); }

void frmVelmora::bntpay_Click() { Label2_Click(); }

void frmVelmora::Label2_MouseMove()
{
    SetForeColor(Label2, kRed);
    SetForeColor(Label1, kBlue);
}

void frmVelmora::Label1_MouseMove()
{
    SetForeColor(Label2, kBlue);
    SetBackColor(bntpay, InfoBackground());
    SetForeColor(Label1, kRed);
}

void frmVelmora::bntpay_MouseMove()
{
    SetBackColor(bntpay, kRed);
    SetBackColor(bntpay, kBlue);
}

bool frmVelmora::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == Label1)
            Label1_MouseMove();
        else if (watched == Label2)
            Label2_MouseMove();
        else if (watched == bntpay)
            bntpay_MouseMove();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* control = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint())) {
            if (watched == Label1)
                Label1_Click();
            else if (watched == Label2)
                Label2_Click();
            else if (watched == bntpay)
                bntpay_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvel
