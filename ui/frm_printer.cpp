#include "ui/frm_printer.h"

#include "print/printer.h"
#include "print/qt_printer.h"
#include "runtime/form_runtime.h"
#include "ui/desktop_window.h"
#include "ui/enter_key.h"
#include "ui/modulo1.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "ui/window_layouts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QToolButton>

#include <exception>

namespace tarvel {

frmPrinter::frmPrinter(PrinterWindowHost& host, FormRuntime& runtime, PrinterSelection& printers)
    : QWidget(nullptr, Qt::Tool), host_(host), runtime_(runtime), printers_(printers)
{
    setObjectName(QStringLiteral("frmPrinter"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(NoIcon());
    setFont(WindowFont());
    setFixedSize(kPrinterWindowClient.Pixels().size());

    Command1 = new QToolButton(this);
    Command1->setText(QStringLiteral("Stampa"));
    Command1->setIcon(PictureIcon(QStringLiteral("stampa"), {32, 32}));
    Command1->setIconSize({32, 32});
    Command1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Command1->setFocusPolicy(Qt::StrongFocus);
    Place(Command1, kPrinterWindowLayout, "Command1");
    Command1->installEventFilter(this);
    connect(Command1, &QToolButton::clicked, this, [this] { Command1_Click(); });

    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    Combo1->setEditText(QStringLiteral("Combo1"));
    // Only a pick from the list selects a printer: no completion into an
    // entry, no entry added or chosen by Enter in the edit field.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    Place(Combo1, kPrinterWindowLayout, "Combo1");
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    setTabOrder(Command1, Combo1);
    Command1->setFocus();
}

frmPrinter* frmPrinter::Load(PrinterWindowHost& host, FormRuntime& runtime, PrinterSelection& printers, QWidget* owner)
{
    auto* window = new frmPrinter(host, runtime, printers);
    if (owner)
        SetOwnerForWindowManager(*window, *owner);
    Modulo1::CentraForm(*window, runtime);
    window->Form_Load();
    return window;
}

void frmPrinter::Form_Load()
{
    host_.SetWindowEnabled(false);
    FillPrinterList();
}

void frmPrinter::FillPrinterList()
{
    Combo1->clear();
    for (const auto& printer : printers_.Printers())
        Combo1->addItem(QString::fromStdString(printer->DeviceName()));
    noPrinter_ = Combo1->count() == 0;
    if (noPrinter_) {
        // A notice above "File PDF…", not an entry to pick.
        Combo1->addItem(QString::fromUtf8(kNoPrinterText));
        if (auto* entries = qobject_cast<QStandardItemModel*>(Combo1->model()))
            entries->item(0)->setEnabled(false);
        Combo1->lineEdit()->setReadOnly(true);
        Command1->setToolTip(QStringLiteral("Salva il rapporto in un file PDF"));
    }
    Combo1->addItem(QString::fromUtf8(kPdfEntry));
    SetListIndex(0);
}

void frmPrinter::SetListIndex(int index)
{
    Combo1->setCurrentIndex(index);
    Combo1->setEditText(Combo1->itemText(index));
    Combo1_Click();
}

void frmPrinter::Combo1_Click() { ChooseNamed(Combo1->currentText().toStdString()); }

bool frmPrinter::ChooseNamed(const std::string& name)
{
    for (const auto& printer : printers_.Printers()) {
        if (printer->DeviceName() == name) {
            printers_.MakeCurrent(printer);
            pdfChosen_ = false;
            return true;
        }
    }
    if (name != kPdfEntry)
        return false;
    pdfChosen_ = true;
    return true;
}

void frmPrinter::Command1_Click()
{
    // What the edit field shows is what prints: an entry picked from the list
    // is chosen already; a name typed there chooses its printer, never the
    // one chosen before it.
    const QString shown = Combo1->currentText().trimmed();
    const bool picked = Combo1->currentIndex() >= 0 && shown == Combo1->itemText(Combo1->currentIndex());
    if (!noPrinter_ && !picked && !ChooseNamed(shown.toStdString())) {
        runtime_.MsgBox("La stampante \"" + shown.toStdString() + "\" non è installata", kCaption, MsgBoxIcon::Warning);
        Combo1->setFocus();
        Combo1->lineEdit()->selectAll();
        return;
    }
    if ((noPrinter_ || pdfChosen_) && !ChoosePdfFile()) {
        // Back from the save dialog to this window, not to the disabled one.
        activateWindow();
        Command1->setFocus();
        return;
    }
    if (!PrintReport())
        return;
    host_.SetWindowEnabled(true);
    host_.FocusStartDate();
    close();
}

void frmPrinter::Form_QueryUnload()
{
    host_.SetWindowEnabled(true);
    host_.FocusStartDate();
}

std::string frmPrinter::SuggestedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QString::fromUtf8(kPdfFileName)).toStdString();
}

bool frmPrinter::ChoosePdfFile()
{
    const auto file = runtime_.AskSaveFileName(kSavePdfTitle, SuggestedPdfPath());
    if (!file)
        return false;
    // Nothing touches the file before the whole report is written: one that
    // cannot be written is the print's failure, reported once.
    printers_.MakeCurrent(QtPrinter::ForPdf(*file));
    return true;
}

bool frmPrinter::PrintReport()
{
    // The engine reports its own output errors and goes on; anything that
    // stops the report, or its delivery, is said here, and the user can pick
    // another printer or close the window.
    try {
        host_.Default_Value();
        host_.PrintEsempio1();
        return true;
    } catch (const std::exception& error) {
        runtime_.MsgBox(PrintFailureMessage(printers_.CurrentOrNone(), error), kCaption, MsgBoxIcon::Warning);
        return false;
    }
}

void frmPrinter::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
}

void frmPrinter::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the window as its close box does: nothing is printed.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmPrinter::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnter(event)) {
        // "Stampa" with the focus answers Enter as well as Space.
        if (watched == Command1) {
            Command1->click();
            return true;
        }
        if (watched == Combo1 || watched == Combo1->lineEdit())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvel
