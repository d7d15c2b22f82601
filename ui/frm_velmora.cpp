#include "ui/frm_velmora.h"

#include "calc/version.h"

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/desktop_window.h"
#include "ui/maker.h"
#include "ui/modulo2.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "ui/window_layouts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

namespace tarvel {
namespace {

QString Notice()
{
    return QStringLiteral("Tarvel è gratuito per uso personale. Aggiornamenti, tabelle dei tassi "
                          "e altri programmi per lo studio e l'ufficio si trovano sul sito %1: "
                          "un clic su questo riquadro lo apre nel browser.")
        .arg(QString::fromUtf8(kMakerSite));
}

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
    Label1 = Place(new LinkLabel(this, QString::fromUtf8(kMakerMail)), kInfoWindowLayout, "Label1");
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(WindowFont(13.5));
    SetForeColor(Label1, kInfoLinkText);
    SetBackColor(Label1, kLightInfoBackground);
    // Label1's single-line border, drawn apart so that it keeps its colour
    // when the text turns red; the pointer passes through it to Label1.
    auto* border = new QFrame(this);
    border->setGeometry(Label1->geometry());
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setLineWidth(1);
    SetForeColor(border, kDarkText);
    border->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label2 = Place(new LinkLabel(this, Notice()), kInfoWindowLayout, "Label2");
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setFont(DesignFont(QStringLiteral("Liberation Sans"), 9.75, true));
    SetForeColor(Label2, kInfoLinkText);
    SetBackColor(Label2, kLightButtonFace);

    bntpay = Place(new LinkLabel(this), kInfoWindowLayout, "bntpay");
    bntpay->setPixmap(PicturePixmap(QStringLiteral("bntpay"), bntpay->size()));
    SetBackColor(bntpay, kLightInfoBackground);

    // The links are reached with Tab in their design order and opened with
    // Enter or Space.
    const auto link = [this](LinkLabel* label, void (frmVelmora::*click)(), void (frmVelmora::*mouseMove)()) {
        label->setFocusPolicy(Qt::TabFocus);
        connect(label, &LinkLabel::clicked, this, click);
        connect(label, &LinkLabel::hovered, this, mouseMove);
    };
    link(Label1, &frmVelmora::Label1_Click, &frmVelmora::Label1_MouseMove);
    link(Label2, &frmVelmora::Label2_Click, &frmVelmora::Label2_MouseMove);
    link(bntpay, &frmVelmora::bntpay_Click, &frmVelmora::bntpay_MouseMove);
    // Escape closes the window, as its close box does.
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
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

} // namespace tarvel
