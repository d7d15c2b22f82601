#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarvel {

// The error numbers that printing raises. Each has a description of its own
// (PrintErrorDescription), shown on the third line of the engine's message.
enum PrintErrorNumber : int {
    kErrInvalidCall = 5,       // an operation the printer cannot do
    kErrOverflow = 6,          // a value outside the range of its type
    kErrDivisionByZero = 11,   // a printer that reports a resolution of 0
    kErrInvalidProperty = 380, // a value the printer does not accept
    kErrNoPicture = 438,       // an object without a picture
    kErrPicture = 481,         // a picture that cannot be read
    kErrPrinter = 482,         // the printing system failed
    kErrNoPrinter = 484,       // no printer installed or chosen
    kErrInternal = 51,         // anything else
};

// Italian description of an error number; unknown numbers get a generic text.
std::string PrintErrorDescription(int number);

// An error raised by the printer or by the engine: a number and its description.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(int number);
    PrintError(int number, const std::string& description);
    int number() const { return number_; }

private:
    int number_;
};

// Narrows to 16 bits; a value outside -32768..32767 raises the overflow error.
std::int16_t NarrowToInteger(std::int64_t value);
// Stores a coordinate as 32-bit floating point; an infinite, invalid or
// out-of-range result raises the overflow error.
float ToSingle(double value);

} // namespace tarvel
