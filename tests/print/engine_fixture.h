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

// A fake current printer, a recording runtime and an engine made on it.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentPrinter(printer);
        engine.emplace();
        printer->ClearLog();
    }
    void TearDown() override { SetCurrentPrinter(nullptr); }

    std::shared_ptr<FakePrinter> printer = std::make_shared<FakePrinter>();
    RecordingRuntime runtime;
    std::optional<EasyPrint> engine;
};

} // namespace tarvel::testing
