#include "ui/frm_printer.h"

#include "print/printer.h"
#include "print/qt_printer.h"
#include "runtime/form_runtime.h"
#include "ui/controls.h"
#include "ui/modulo1.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "ui/window_layouts.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardItemModel>

#include <exception>

namespace tarvel {
namespace {

// The texts only the window itself shows.
constexpr char kNoPrinterText[] = "Nessuna stampante installata";
constexpr char kPdfFileName[] = "Tarvel.pdf";
constexpr char kPdfEntry[] = "File PDF…";

} // namespace

frmPrinter::frmPrinter(PrinterWindowHost& host, FormRuntime& runtime, PrinterSelection& printers, QWidget& owner)
    : QDialog(&owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      host_(host), runtime_(runtime), printers_(printers)
{
    setObjectName(QStringLiteral("frmPrinter"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(NoIcon());
    setFont(WindowFont());
    setFixedSize(kPrinterWindowClient.Pixels().size());

    Command1 = Place(new CommandButton(QStringLiteral("Stampa"), QStringLiteral("stampa"), this), kPrinterWindowLayout,
                     "Command1");
    connect(Command1, &CommandButton::clicked, this, &frmPrinter::Command1_Click);

    Combo1 = Place(new QComboBox(this), kPrinterWindowLayout, "Combo1");
    Combo1->setEditable(true);
    Combo1->setEditText(QStringLiteral("Combo1"));
    // Only an entry of the list selects a printer: no completion into an
    // entry, no typed name added to the list.
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    connect(Combo1, &QComboBox::activated, this, &frmPrinter::Combo1_Click);

    setTabOrder(Command1, Combo1);
    Command1->setFocus();
}

frmPrinter* frmPrinter::Load(PrinterWindowHost& host, FormRuntime& runtime, PrinterSelection& printers, QWidget& owner)
{
    auto* window = new frmPrinter(host, runtime, printers, owner);
    Modulo1::CentraForm(*window, runtime);
    window->Form_Load();
    return window;
}

void frmPrinter::Form_Load() { FillPrinterList(); }

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
        Command1->setToolTip(QStringLiteral("Salva il prospetto in un file PDF"));
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
        // Back from the save dialog to this window, not to the blocked one.
        activateWindow();
        Command1->setFocus();
        return;
    }
    if (PrintReport())
        accept();
}

std::string frmPrinter::SuggestedPdfPath(const std::string& lastFolder)
{
    // As the load dialog of a table, the home folder rather than the working one.
    const QString folder = lastFolder.empty() ? QDir::homePath() : QString::fromStdString(lastFolder);
    return QDir(folder).filePath(QString::fromUtf8(kPdfFileName)).toStdString();
}

bool frmPrinter::ChoosePdfFile()
{
    const auto file = runtime_.AskSaveFileName(kSavePdfTitle, SuggestedPdfPath(runtime_.LastSaveFolder()));
    if (!file)
        return false;
    runtime_.RememberSaveFolder(QFileInfo(QString::fromStdString(*file)).absolutePath().toStdString());
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

} // namespace tarvel
