#pragma once

namespace tarvel {

// What the printer selection window needs of the window that opens it: the
// page settings, then the report on the current printer; either may raise an
// error.
class PrinterWindowHost {
public:
    virtual ~PrinterWindowHost() = default;
    virtual void Default_Value() = 0;
    virtual void PrintEsempio1() = 0;
};

} // namespace tarvel
