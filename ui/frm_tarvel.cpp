#include "ui/frm_tarvel.h"

#include "calc/rate_schedule.h"
#include "runtime/form_runtime.h"
#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/desktop_window.h"
#include "ui/frm_velmora.h"
#include "ui/maker.h"
#include "ui/masked_edit.h"
#include "ui/modulo1.h"
#include "ui/modulo2.h"
#include "ui/pictures.h"
#include "ui/rate_tables_in_use.h"
#include "ui/whole_text.h"
#include "ui/window_copy.h"
#include "ui/window_layouts.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace tarvel {
namespace {

constexpr char kEmptyDateText[] = "__ / __ / ____ ";

template <class Control>
Control* Placed(Control* control, std::string_view name)
{
    return Place(control, kMainWindowLayout, name);
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, Qt::Alignment horizontal)
{
    auto* label = new QLabel(caption, parent);
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

TextBox* MakeTextBox(QWidget* parent)
{
    auto* box = new TextBox(parent);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

// Every text the window shows is shown whole.
void SetText(QLineEdit* box, const std::string& text)
{
    box->setText(QString::fromStdString(text));
    FitFontToText(box);
}

void SetText(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
    FitFontToText(label);
}

void SetFontUnderline(QLabel* label, bool underline)
{
    QFont font = label->font();
    font.setUnderline(underline);
    label->setFont(font);
}

} // namespace

frmTarvel::frmTarvel(FormRuntime& runtime, PrinterSelection& printers, RateTablesInUse& tables, QWidget* parent)
    : QWidget(parent, Qt::Window), runtime_(runtime), printers_(printers), tables_(tables),
      printing_(
          *this, runtime, printers, [this](EasyPrint& objPrint) { PrintEsempio1(objPrint); },
          [this] { FocusStartDate(); })
{
    setObjectName(QStringLiteral("frmTarvel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());
    setFixedSize(kMainWindowClient.Pixels().size());
    setMouseTracking(true);

    BuildFrame1();
    Placed(new QGroupBox(this), "Frame2");
    BuildRateGrid();

    auto* Picture1 = Placed(new LinkLabel(this), "Picture1");
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setPixmap(PicturePixmap(QStringLiteral("logo"), {90, 38}));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAccessibleName(QString::fromUtf8(kMakerSite));
    connect(Picture1, &LinkLabel::clicked, this, &frmTarvel::Picture1_Click);

    BuildCommands();
    BuildNotice();

    WriteTexts(form_.Texts());
    SetTabOrder();
    NameControls();
    new WindowCopy(*this, [this] { CopyCalculation(); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this, this, &frmTarvel::OpenRatesInForce);
    mdataini->setFocus();
    Form_Load();
}

frmTarvel::~frmTarvel()
{
    // The Info window and the window of the rates in force belong to the
    // program that this window is: neither outlives it.
    delete velmora_.data();
    delete rates_.data();
}

void frmTarvel::BuildFrame1()
{
    auto* Frame1 = Placed(new QGroupBox(QStringLiteral("Inserire in formato gg/mm/aaaa"), this), "Frame1");
    Frame1->setFont(WindowFont(9.75));
    // The highlight colour's hue, readable on the window's background.
    SetForeColor(Frame1, ReadableOn(SystemColour(QPalette::Highlight), SystemColour(QPalette::Window)));

    mdataini = Placed(new MaskedEdit(Frame1), "mdataini");
    mdatafin = Placed(new MaskedEdit(Frame1), "mdatafin");
    for (MaskedEdit* date : {mdataini, mdatafin}) {
        date->SetMask(QString::fromUtf8(kDateMask));
        connect(date, &QLineEdit::returnPressed, this, &frmTarvel::Command1_Click);
    }

    Placed(MakeLabel(Frame1, QStringLiteral("inizio periodo"), Qt::AlignHCenter), "Label2")->setBuddy(mdataini);
    Placed(MakeLabel(Frame1, QStringLiteral("fine periodo"), Qt::AlignHCenter), "Label3")->setBuddy(mdatafin);
    auto* Label8 = Placed(MakeLabel(Frame1, QString(), Qt::AlignHCenter), "Label8");
    auto* Label23 = Placed(MakeLabel(Frame1, QString(), Qt::AlignHCenter), "Label23");
    importo = Placed(MakeTextBox(Frame1), "importo");
    Placed(MakeLabel(Frame1, QStringLiteral("Capitale"), Qt::AlignLeft), "Label4")->setBuddy(importo);
    connect(importo, &TextBox::KeyPress, this, &frmTarvel::importo_KeyPress);
    connect(importo, &QLineEdit::textEdited, importo, [this] { FitFontToText(importo); });
    connect(importo, &QLineEdit::returnPressed, this, &frmTarvel::Command1_Click);
    auto* SeeInteressi = Placed(MakeTextBox(Frame1), "SeeInteressi");
    Placed(MakeLabel(Frame1, QStringLiteral("Interessi legali"), Qt::AlignLeft), "Label5")->setBuddy(SeeInteressi);
    SeeInteressi->setReadOnly(true);
    SeeInteressi->setFocusPolicy(Qt::ClickFocus);
    auto* Label1 = Placed(MakeLabel(Frame1, QStringLiteral("Somma"), Qt::AlignLeft), "Label1");
    auto* Label6 = Placed(MakeLabel(Frame1, QString(), Qt::AlignRight), "Label6");
    // The result labels are named after what they hold.
    Label6->setAccessibleName(Label1->text());
    Label8->setAccessibleName(QStringLiteral("Anni"));
    Label23->setAccessibleName(QStringLiteral("Giorni"));
    Label16 = Placed(new LinkLabel(Frame1, QString::fromUtf8(kMakerSite)), "Label16");
    Label16->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(Label16, &LinkLabel::clicked, this, &frmTarvel::Label16_Click);
    connect(Label16, &LinkLabel::hovered, this, &frmTarvel::Label16_MouseMove);

    results_[ResultControl::importo].emplace<QLineEdit*>(importo);
    results_[ResultControl::SeeInteressi].emplace<QLineEdit*>(SeeInteressi);
    results_[ResultControl::Label6].emplace<QLabel*>(Label6);
    results_[ResultControl::Label8].emplace<QLabel*>(Label8);
    results_[ResultControl::Label23].emplace<QLabel*>(Label23);

    // The frame's caption font and colour are its own: its controls keep the
    // window's font and the system text colours.
    for (QWidget* control : Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->setFont(WindowFont());
        QPalette palette = control->palette();
        for (auto role : {QPalette::WindowText, QPalette::Text})
            palette.setColor(role, SystemColour(role));
        control->setPalette(palette);
    }

    // A fixed background gets a fixed dark text, a fixed text colour a fixed
    // light background: each pair stays readable on any palette. The info
    // background pairs with the info text colour of the same palette.
    for (QLabel* span : {Label8, Label23}) {
        SetBackColor(span, QColor(255, 192, 192));
        SetForeColor(span, kDarkText);
    }
    SetBackColor(SeeInteressi, InfoBackground());
    SetForeColor(SeeInteressi, SystemColour(QPalette::ToolTipText));
    SetBackColor(Label6, QColor(255, 255, 192));
    SetForeColor(Label6, kDarkText);
    SetForeColor(Label16, QColor(0, 0, 192));
    SetBackColor(Label16, kLightButtonFace);
    Label16->setFont(WindowFont(8.25, true));
}

void frmTarvel::BuildRateGrid()
{
    const auto& schedule = LegalRateSchedule();
    for (int i = 0; i < kPeriodCount; ++i) {
        const std::string_view caption = schedule[i].caption;
        QLabel* label = MakeLabel(this, QString::fromUtf8(caption.data(), qsizetype(caption.size())), Qt::AlignLeft);
        label->setObjectName(QString::fromStdString(PeriodCaptionName(i)));
        label->setGeometry(PeriodCaptionPlace(i).Pixels());
        const std::string_view name = ControlName(PeriodControl(i));
        TextBox* field = MakeTextBox(this);
        field->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
        field->setGeometry(PeriodFieldPlace(i).Pixels());
        field->setFont(WindowFont(8.25, true));
        SetBackColor(field, InfoBackground());
        // Results stay legible although the field is disabled.
        SetForeColor(field, SystemColour(QPalette::ToolTipText));
        field->setEnabled(false);
        // Disabled keeps it from the keyboard; read-only tells screen readers
        // that it is not to be edited.
        field->setReadOnly(true);
        label->setBuddy(field);
        results_[PeriodControl(i)].emplace<QLineEdit*>(field);
    }
}

void frmTarvel::BuildCommands()
{
    const auto command = [this](const char* name, const char* caption, const char* picture,
                                void (frmTarvel::*click)()) {
        auto* button = Placed(new CommandButton(QString::fromUtf8(caption), QString::fromUtf8(picture), this), name);
        connect(button, &CommandButton::clicked, this, click);
    };
    command("Command2", "Info", "info", &frmTarvel::Command2_Click);
    command("Command1", "Calcola", "calcola", &frmTarvel::Command1_Click);
    command("Pulisci", "Cancella", "cancella", &frmTarvel::Pulisci_Click);
    command("Command3", "Stampa", "stampa", &frmTarvel::Command3_Click);
}

void frmTarvel::SetTabOrder()
{
    const char* order[] = {"mdataini", "mdatafin", "importo",  "Command1",
                           "Pulisci",  "Command2", "Command3", "AvvisoApri"};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(findChild<QWidget*>(order[i - 1]), findChild<QWidget*>(order[i]));
}

void frmTarvel::NameControls()
{
    // A field is named after the caption that labels it on the window, its
    // buddy; without a name a screen reader would read the frame's caption
    // for every field.
    for (const QLabel* caption : findChildren<QLabel*>())
        if (caption->buddy())
            caption->buddy()->setAccessibleName(caption->text());
    DescribeResultLabels();
}

void frmTarvel::DescribeResultLabels()
{
    // The result labels are named after what they hold; what they show now is
    // their description.
    for (const ResultControl control : kResultControls)
        if (QLabel* const* label = std::get_if<QLabel*>(&results_[control]))
            (*label)->setAccessibleDescription((*label)->text());
}

void frmTarvel::Form_Load() { Modulo1::CentraForm(*this, runtime_); }

void frmTarvel::WriteTexts(const ControlTexts& texts)
{
    for (const ResultControl control : kResultControls)
        if (texts[control])
            std::visit(
                [&](auto place) {
                    if constexpr (!std::is_same_v<decltype(place), std::monostate>)
                        SetText(place, *texts[control]);
                },
                results_[control]);
    DescribeResultLabels();
}

TypedCalculation frmTarvel::Typed() const
{
    return {importo->text().toStdString(), mdataini->Text().toStdString(), mdatafin->Text().toStdString()};
}

void frmTarvel::Command1_Click()
{
    const CalculationShown shown = form_.Calculate(Typed());
    // What the run wrote stands in the window, also while the warning is open.
    WriteTexts(shown.written);
    ShowNotice();
    if (!shown.warning)
        return;
    runtime_.MsgBox(*shown.warning, windowTitle().toStdString(), MsgBoxIcon::Warning);
    WriteTexts(shown.afterWarning);
    if (shown.focus == FocusAfterWarning::Capital) {
        importo->setFocus(Qt::OtherFocusReason);
        importo->selectAll();
    } else {
        mdataini->FocusForTyping();
    }
}

void frmTarvel::Pulisci_Click()
{
    const ControlTexts& cleared = form_.Clear();
    ShowNotice();
    for (MaskedEdit* date : {mdataini, mdatafin})
        date->SetMask(QString());
    WriteTexts(cleared);
    mdataini->FocusForTyping();
    for (MaskedEdit* date : {mdataini, mdatafin}) {
        date->SetText(QString::fromUtf8(kEmptyDateText));
        date->SetMask(QString::fromUtf8(kDateMask));
    }
}

void frmTarvel::importo_KeyPress(int& keyAscii)
{
    if (keyAscii == '.')
        keyAscii = ',';
}

void frmTarvel::Label16_Click() { Modulo2::ApriLink(*this, runtime_, std::string("http://") + kMakerSite); }

void frmTarvel::Picture1_Click() { Label16_Click(); }

void frmTarvel::Label16_MouseMove() { SetFontUnderline(Label16, true); }

void frmTarvel::Form_MouseMove() { SetFontUnderline(Label16, false); }

void frmTarvel::Command2_Click()
{
    // One Info window at a time, without an owner; it deletes itself when
    // closed. One that the user has minimised or left on another desktop
    // comes back here.
    if (!velmora_)
        velmora_ = new frmVelmora(runtime_);
    BringForward(*velmora_);
}

void frmTarvel::CopyCalculation()
{
    if (const std::optional<std::string> copied = form_.Copied(tables_.Table(RateKind::Legal)))
        QGuiApplication::clipboard()->setText(QString::fromStdString(*copied));
}

void frmTarvel::BuildNotice()
{
    Avviso = new QFrame(this);
    Avviso->setObjectName(QStringLiteral("Avviso"));
    Avviso->setGeometry(kMainWindowNotice.Pixels());
    Avviso->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // A fixed light background, and the fixed dark text that reads on it.
    SetBackColor(Avviso, kLightInfoBackground);
    SetForeColor(Avviso, kDarkText);

    AvvisoTesto = Place(new QLabel(Avviso), kMainWindowNoticeLayout, "AvvisoTesto");
    AvvisoImporti = Place(new QLabel(Avviso), kMainWindowNoticeLayout, "AvvisoImporti");
    auto* AvvisoApri = Place(new QPushButton(QStringLiteral("Calcolo ai tassi in vigore…"), Avviso),
                             kMainWindowNoticeLayout, "AvvisoApri");
    AvvisoApri->setAutoDefault(true); // Enter presses it, as Space does
    AvvisoApri->setToolTip(QStringLiteral("Ctrl+T"));
    connect(AvvisoApri, &QPushButton::clicked, this, &frmTarvel::OpenRatesInForce);
    Avviso->hide();
    // The notice follows the table in use.
    connect(&tables_, &RateTablesInUse::Changed, this, &frmTarvel::ShowNotice);
}

void frmTarvel::ShowNotice()
{
    const std::optional<MainWindowNotice> notice = form_.Notice(tables_.Table(RateKind::Legal));
    if (!notice) {
        Avviso->hide();
        setFixedSize(kMainWindowClient.Pixels().size());
        return;
    }
    SetText(AvvisoTesto, notice->heading);
    SetText(AvvisoImporti, notice->amounts);
    Avviso->setAccessibleName(AvvisoTesto->text() + ' ' + AvvisoImporti->text());
    setFixedSize(kMainWindowClient.Pixels().size().grownBy({0, 0, 0, kMainWindowNotice.Pixels().height()}));
    Avviso->show();
}

void frmTarvel::OpenRatesInForce()
{
    // One window of the rates in force, without an owner, as the Info window;
    // it stays when closed, with what it holds, until the program ends.
    // Work not saved there that the user keeps leaves it as it is: it just comes forward.
    if (!rates_)
        rates_ = new RatesInForceWindow(runtime_, printers_, tables_);
    const std::optional<TypedCalculation> calculated = form_.LastCalculation();
    if (calculated && !rates_->Fill(*calculated))
        return BringForward(*rates_);
    rates_->OpenForTyping();
}

void frmTarvel::Started(bool openRatesInForce)
{
    for (const std::string& fault : tables_.StartFaults())
        runtime_.MsgBox(fault, RatesInForceWindow::kCaption, MsgBoxIcon::Warning);
    if (openRatesInForce)
        OpenRatesInForce();
}

void frmTarvel::closeEvent(QCloseEvent* event)
{
    // The program ends with its main window, the Info window and the window
    // of the rates in force with it; unless the user keeps the work not
    // saved there, when nothing closes.
    if (rates_ && !rates_->close())
        return event->ignore();
    if (velmora_)
        velmora_->close();
    QWidget::closeEvent(event);
}

void frmTarvel::mouseMoveEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

} // namespace tarvel
