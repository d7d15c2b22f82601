#pragma once

#include "print/easy_print.h"
#include "tests/print/fake_printer.h"
#include "tests/support/recording_runtime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace tarvel::testing {

// 100 pixels of margin at 600 pixels per inch on both axes.
inline constexpr double kOffset = -100 * 25.4 / 600;

// A fake current printer, a recording runtime and an engine made on them.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        printers.MakeCurrent(printer);
        engine.emplace(printers, runtime);
        printer->ClearLog();
    }

    std::shared_ptr<FakePrinter> printer = std::make_shared<FakePrinter>();
    PrinterSelection printers;
    RecordingRuntime runtime;
    std::optional<EasyPrint> engine;
};

} // namespace tarvel::testing
