#include "ui/whole_document.h"

namespace tarvel {

void PrintWholeDocument(EasyPrint& engine, const std::function<void()>& print)
{
    try {
        print();
    } catch (...) {
        try {
            engine.KillDoc();
        } catch (...) {
        }
        throw;
    }
}

} // namespace tarvel
