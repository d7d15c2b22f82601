#pragma once

#include "print/easy_print.h"
#include "print/printer_selection.h"
#include "runtime/form_runtime.h"
#include "ui/frm_printer.h"
#include "ui/printer_window_host.h"

#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace tarvel {

// Printing from a window: "Seleziona stampante" opened window-modal over it,
// one at a time (raised when it is open already), and on its "Stampa" the
// page settings and the window's document, laid out by the window, through
// one engine made on the first print and kept for the next.
class WindowPrinting : private PrinterWindowHost {
public:
    // Lays out the document through the engine, as one print job.
    using LayOut = std::function<void(EasyPrint& engine)>;

    // The window, the runtime and the printers outlive this; `finished` runs
    // when the printer window closes, printed or not.
    WindowPrinting(QWidget& window, FormRuntime& runtime, PrinterSelection& printers, LayOut layOut,
                   std::function<void()> finished);
    // The printer window goes with the window it serves.
    ~WindowPrinting() override;

    // Opens the printer window, or raises the one open.
    void Open();
    // The printer window while it is open, else null.
    frmPrinter* PrinterWindow() const;
    // The engine, once a print has made it; else null.
    const EasyPrint* Engine() const { return engine_.get(); }

private:
    void Default_Value() override;
    void PrintEsempio1() override;
    EasyPrint& MadeEngine();

    QWidget& window_;
    FormRuntime& runtime_;
    PrinterSelection& printers_;
    LayOut layOut_;
    std::function<void()> finished_;
    QPointer<frmPrinter> printer_;
    std::unique_ptr<EasyPrint> engine_;
};

} // namespace tarvel
