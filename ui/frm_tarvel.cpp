#include "ui/frm_tarvel.h"

#include "calc/calculate_interest.h"
#include "calc/rate_schedule.h"
#include "runtime/form_runtime.h"
#include "ui/calculation_text.h"
#include "ui/colours.h"
#include "ui/desktop_window.h"
#include "ui/enter_key.h"
#include "ui/frm_velmora.h"
#include "ui/maker.h"
#include "ui/modulo1.h"
#include "ui/modulo2.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "ui/whole_text.h"
#include "ui/window_layouts.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

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

QLineEdit* MakeTextBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QToolButton* MakeCommand(QWidget* parent, const QString& caption, const QString& picture, std::string_view name)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setIcon(PictureIcon(picture, {32, 32}));
    button->setIconSize({32, 32});
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    return Placed(button, name);
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

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }
std::string TextOf(const QLabel* label) { return label->text().toStdString(); }

} // namespace

frmTarvel::frmTarvel(FormRuntime& runtime, PrinterSelection& printers, QWidget* parent)
    : QWidget(parent, Qt::Window), runtime_(runtime), printers_(printers)
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
    Frame2 = Placed(new QGroupBox(this), "Frame2");
    BuildRateGrid();

    Picture1 = Placed(new QLabel(this), "Picture1");
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setPixmap(PicturePixmap(QStringLiteral("logo"), {90, 38}));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->installEventFilter(this);

    BuildCommands();

    // The working fields are never shown, and kept off the window: as its
    // children, hidden, they would still be read out by screen readers.
    Text1 = new QLineEdit();
    importobis = new QLineEdit();

    WriteTexts(FreshWindowTexts(""));
    SetTabOrder();
    NameControls();
    for (QLineEdit* field : {static_cast<QLineEdit*>(mdataini), static_cast<QLineEdit*>(mdatafin), SeeInteressi})
        field->installEventFilter(this);
    mdataini->setFocus();
}

frmTarvel::~frmTarvel()
{
    // The printer window holds on to this window, and the Info window belongs
    // to the program that this window is: neither outlives it.
    delete printer_.data();
    delete velmora_.data();
    delete Text1;
    delete importobis;
}

void frmTarvel::BuildFrame1()
{
    Frame1 = Placed(new QGroupBox(QStringLiteral("Inserire in formato gg/mm/aaaa"), this), "Frame1");
    Frame1->setFont(WindowFont(9.75));
    // The highlight colour's hue, readable on the window's background.
    SetForeColor(Frame1, ReadableOn(SystemColour(QPalette::Highlight), SystemColour(QPalette::Window)));

    mdataini = Placed(new MaskedEdit(Frame1), "mdataini");
    mdatafin = Placed(new MaskedEdit(Frame1), "mdatafin");
    for (MaskedEdit* date : {mdataini, mdatafin})
        date->SetMask(QString::fromUtf8(kDateMask));

    Label2 = Placed(MakeLabel(Frame1, QStringLiteral("inizio periodo"), Qt::AlignHCenter), "Label2");
    Label3 = Placed(MakeLabel(Frame1, QStringLiteral("fine periodo"), Qt::AlignHCenter), "Label3");
    Label8 = Placed(MakeLabel(Frame1, QString(), Qt::AlignHCenter), "Label8");
    Label23 = Placed(MakeLabel(Frame1, QString(), Qt::AlignHCenter), "Label23");
    Label4 = Placed(MakeLabel(Frame1, QStringLiteral("Capitale"), Qt::AlignLeft), "Label4");
    importo = Placed(MakeTextBox(Frame1), "importo");
    importo->installEventFilter(this);
    connect(importo, &QLineEdit::textEdited, importo, [this] { FitFontToText(importo); });
    Label5 = Placed(MakeLabel(Frame1, QStringLiteral("Interessi legali"), Qt::AlignLeft), "Label5");
    SeeInteressi = Placed(MakeTextBox(Frame1), "SeeInteressi");
    SeeInteressi->setReadOnly(true);
    SeeInteressi->setFocusPolicy(Qt::ClickFocus);
    Label1 = Placed(MakeLabel(Frame1, QStringLiteral("Somma"), Qt::AlignLeft), "Label1");
    Label6 = Placed(MakeLabel(Frame1, QString(), Qt::AlignRight), "Label6");
    Label16 = Placed(MakeLabel(Frame1, QString::fromUtf8(kMakerSite), Qt::AlignHCenter), "Label16");

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
    Label16->setMouseTracking(true);
    Label16->setCursor(Qt::PointingHandCursor);
    Label16->installEventFilter(this);
}

void frmTarvel::BuildRateGrid()
{
    const auto& schedule = LegalRateSchedule();
    for (int i = 0; i < kPeriodCount; ++i) {
        const std::string_view caption = schedule[i].caption;
        lblData[i] = MakeLabel(this, QString::fromUtf8(caption.data(), qsizetype(caption.size())), Qt::AlignLeft);
        lblData[i]->setObjectName(QString::fromStdString(PeriodCaptionName(i)));
        lblData[i]->setGeometry(PeriodCaptionPlace(i).Pixels());
        const std::string_view name = ControlName(PeriodControl(i));
        txtAnno[i] = MakeTextBox(this);
        txtAnno[i]->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
        txtAnno[i]->setGeometry(PeriodFieldPlace(i).Pixels());
        txtAnno[i]->setFont(WindowFont(8.25, true));
        SetBackColor(txtAnno[i], InfoBackground());
        // Results stay legible although the field is disabled.
        SetForeColor(txtAnno[i], SystemColour(QPalette::ToolTipText));
        txtAnno[i]->setEnabled(false);
        // Disabled keeps it from the keyboard; read-only tells screen readers
        // that it is not to be edited.
        txtAnno[i]->setReadOnly(true);
    }
}

void frmTarvel::BuildCommands()
{
    Command2 = MakeCommand(this, QStringLiteral("Info"), QStringLiteral("info"), "Command2");
    Command1 = MakeCommand(this, QStringLiteral("Calcola"), QStringLiteral("calcola"), "Command1");
    Pulisci = MakeCommand(this, QStringLiteral("Cancella"), QStringLiteral("cancella"), "Pulisci");
    Command3 = MakeCommand(this, QStringLiteral("Stampa"), QStringLiteral("stampa"), "Command3");
    for (QToolButton* command : {Command1, Pulisci, Command2, Command3})
        command->installEventFilter(this);
    connect(Command1, &QToolButton::clicked, this, [this] { Command1_Click(); });
    connect(Pulisci, &QToolButton::clicked, this, [this] { Pulisci_Click(); });
    connect(Command2, &QToolButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QToolButton::clicked, this, [this] { Command3_Click(); });
}

void frmTarvel::SetTabOrder()
{
    const QWidget* order[] = {mdataini, mdatafin, importo, Command1, Pulisci, Command2, Command3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void frmTarvel::NameControls()
{
    // A field is named after the caption that labels it on the window; without
    // a name a screen reader would read the frame's caption for every field.
    const std::pair<QLabel*, QWidget*> captioned[] = {
        {Label2, mdataini}, {Label3, mdatafin}, {Label4, importo}, {Label5, SeeInteressi}};
    for (auto [caption, field] : captioned) {
        caption->setBuddy(field);
        field->setAccessibleName(caption->text());
    }
    for (int i = 0; i < kPeriodCount; ++i) {
        lblData[i]->setBuddy(txtAnno[i]);
        txtAnno[i]->setAccessibleName(lblData[i]->text());
    }
    Label6->setAccessibleName(Label1->text());
    Label8->setAccessibleName(QStringLiteral("Anni"));
    Label23->setAccessibleName(QStringLiteral("Giorni"));
    Picture1->setAccessibleName(QString::fromUtf8(kMakerSite));
    DescribeResultLabels();
}

void frmTarvel::DescribeResultLabels()
{
    // The result labels are named after what they hold; what they show now is
    // their description.
    for (QLabel* result : {Label6, Label8, Label23})
        result->setAccessibleDescription(result->text());
}

void frmTarvel::Form_Load() { Modulo1::CentraForm(*this, runtime_); }

void frmTarvel::WriteTexts(const ControlTexts& texts)
{
    for (const ResultControl control : kResultControls) {
        if (!texts[control])
            continue;
        if (QLabel* label = ResultLabel(control))
            SetText(label, *texts[control]);
        else
            SetText(ResultBox(control), *texts[control]);
    }
    DescribeResultLabels();
}

ControlTexts frmTarvel::TextsInWindow() const
{
    ControlTexts texts;
    for (const ResultControl control : kResultControls) {
        const QLabel* label = ResultLabel(control);
        texts[control] = label ? TextOf(label) : TextOf(ResultBox(control));
    }
    return texts;
}

QLabel* frmTarvel::ResultLabel(ResultControl control) const
{
    switch (control) {
    case ResultControl::Label6: return Label6;
    case ResultControl::Label8: return Label8;
    case ResultControl::Label23: return Label23;
    default: return nullptr;
    }
}

QLineEdit* frmTarvel::ResultBox(ResultControl control) const
{
    switch (control) {
    case ResultControl::importo: return importo;
    case ResultControl::importobis: return importobis;
    case ResultControl::Text1: return Text1;
    case ResultControl::SeeInteressi: return SeeInteressi;
    default: return txtAnno[static_cast<std::size_t>(control) - static_cast<std::size_t>(ResultControl::txtAnno0)];
    }
}

void frmTarvel::Command1_Click()
{
    const CalculationInput input{importo->text().toStdString(), mdataini->Text().toStdString(),
                                 mdatafin->Text().toStdString()};
    const CalculationResult result = CalculateInterest(input);
    // What the run wrote stands in the window, also while the warning is open.
    ControlTexts written = result.written.ToControlTexts();
    WriteTexts(written);
    if (result.ok) {
        calculated_ = ShownCalculation{ReportTextsInWindow(), result.years, result.remainingDays};
        return;
    }
    calculated_.reset();
    runtime_.MsgBox(std::string(kCalculationErrorMessage), windowTitle().toStdString(), MsgBoxIcon::Warning);
    ApplyErrorPath(written);
    WriteTexts(written);
    mdataini->FocusForTyping();
}

void frmTarvel::Pulisci_Click()
{
    calculated_.reset();
    for (MaskedEdit* date : {mdataini, mdatafin})
        date->SetMask(QString());
    WriteTexts(ClearedTexts());
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

void frmTarvel::Label16_MouseMove()
{
    QFont font = Label16->font();
    font.setUnderline(true);
    Label16->setFont(font);
}

void frmTarvel::Form_MouseMove()
{
    QFont font = Label16->font();
    font.setUnderline(false);
    Label16->setFont(font);
}

void frmTarvel::Command2_Click()
{
    // One Info window at a time, without an owner; it deletes itself when
    // closed. One that the user has minimised or left on another desktop
    // comes back here.
    if (!velmora_)
        velmora_ = new frmVelmora(runtime_);
    velmora_->setWindowState(velmora_->windowState() & ~Qt::WindowMinimized);
    BringToCurrentDesktop(*velmora_);
    velmora_->show();
    velmora_->raise();
    velmora_->activateWindow();
}

bool frmTarvel::FilterImportoKey(QKeyEvent* key)
{
    const QString typed = key->text();
    if (typed.size() != 1)
        return false;
    const int original = typed.at(0).unicode();
    int keyAscii = original;
    importo_KeyPress(keyAscii);
    if (keyAscii == original)
        return false;
    if (keyAscii != 0) {
        QKeyEvent replaced(QEvent::KeyPress, keyAscii < 128 ? keyAscii : 0, key->modifiers(), QString(QChar(keyAscii)),
                           key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(importo, &replaced);
    }
    return true;
}

bool frmTarvel::eventFilter(QObject* watched, QEvent* event)
{
    const auto isClick = [&](QWidget* control) {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint());
    };
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // A field copies its selected text; without a selection the window
        // copies the calculation.
        const auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && field->hasSelectedText())
            return false;
        CopyCalculation();
        return true;
    }
    if (IsEnter(event)) {
        // Enter in an input runs "Calcola"; a command button with the focus
        // answers Enter as well as Space.
        auto* command = qobject_cast<QToolButton*>(watched);
        if (watched == mdataini || watched == mdatafin || watched == importo)
            command = Command1;
        if (command) {
            command->click();
            return true;
        }
    }
    if (watched == importo && event->type() == QEvent::KeyPress)
        return FilterImportoKey(static_cast<QKeyEvent*>(event));
    if (watched == Label16) {
        if (event->type() == QEvent::MouseMove)
            Label16_MouseMove();
        else if (isClick(Label16))
            Label16_Click();
    } else if (watched == Picture1 && isClick(Picture1)) {
        Picture1_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void frmTarvel::CopyCalculation()
{
    if (calculated_)
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(CalculationText(calculated_->report, calculated_->years, calculated_->days)));
}

void frmTarvel::keyPressEvent(QKeyEvent* event)
{
    // Keys a button with the focus leaves alone come here.
    if (event->matches(QKeySequence::Copy)) {
        CopyCalculation();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmTarvel::closeEvent(QCloseEvent* event)
{
    // While the printer window is open the main window takes no input, its
    // close box included.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    // The program ends with its main window, the Info window with it.
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
