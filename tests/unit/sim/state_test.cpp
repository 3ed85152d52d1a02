#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/unit/sim/query.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

class simState : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("sim_state_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "scenario.txt") << "params.clear = 1\n"
                                              "param 0 = 浓度 | 1 | 7 | 4 | -1\n"
                                              "param 1 = 模式 | 0 | 1 | 0 | 1 | 关闭 / 开启\n";
    environment = {(folder / "scenario.txt").string(), (folder / "trace.txt").string(), (folder / "state.txt").string()};
  }
  void TearDown() override { fs::remove_all(folder); }

  static std::vector<std::int32_t> Values(sim::Simulator& printer) {
    return sim_testing::Int32s(sim_testing::Ask(printer, printer_link::QUERY_PNT_PARAMS).bytes);
  }

  static void Save(sim::Simulator& printer, const std::vector<std::int32_t>& values) {
    printer.OpenUSBPort();
    printer.UsbPrinterSetCmd(printer_link::CTRL_SAVE_PARAMS.data(), 8);
    const std::vector<std::uint8_t> block = printer_link::ParameterBlock(values);
    printer.PrinterWriteUsb(block.data(), static_cast<std::int32_t>(block.size()));
  }

  std::string Trace() const { return testing_support::ReadWholeFile(folder / "trace.txt"); }

  fs::path folder;
  sim::Environment environment;
};

TEST_F(simState, SavedValuesOutliveTheLibraryUntilRestored) {
  {
    sim::Simulator printer;
    printer.Load(environment);
    ASSERT_EQ(Values(printer), (std::vector<std::int32_t>{-1, 1}));
    Save(printer, {6, 0});
    EXPECT_EQ(Values(printer), (std::vector<std::int32_t>{6, 0}));
  }
  sim::Simulator later;
  later.Load(environment);
  EXPECT_EQ(Values(later), (std::vector<std::int32_t>{6, 0}));

  later.UsbPrinterSetCmd(printer_link::CTRL_RESTORE_DEFAULTS.data(), 8);
  EXPECT_EQ(Values(later), (std::vector<std::int32_t>{-1, 1}));
  EXPECT_FALSE(fs::exists(folder / "state.txt"));
  sim::Simulator afterRestore;
  afterRestore.Load(environment);
  EXPECT_EQ(Values(afterRestore), (std::vector<std::int32_t>{-1, 1}));
}

TEST_F(simState, WithoutStateFileValuesLiveWhileLoaded) {
  environment.statePath.clear();
  sim::Simulator printer;
  printer.Load(environment);
  Save(printer, {3, 0});
  printer.Load(environment);
  EXPECT_EQ(Values(printer), (std::vector<std::int32_t>{3, 0}));
  sim::Simulator fresh;
  fresh.Load(environment);
  EXPECT_EQ(Values(fresh), (std::vector<std::int32_t>{-1, 1}));
}

TEST_F(simState, BlocksThatDoNotFitTheTableAreIgnoredAndTraced) {
  sim::Simulator printer;
  printer.Load(environment);
  Save(printer, {5, 0, 9});
  printer.UsbPrinterSetCmd(printer_link::CTRL_SAVE_PARAMS.data(), 8);
  const std::uint8_t partial[6] = {5, 0, 0, 0, 1, 0};
  EXPECT_EQ(printer.PrinterWriteUsb(partial, 6), 0);
  // A block with no save command before it is print data, not parameters.
  const std::vector<std::uint8_t> block = printer_link::ParameterBlock(std::vector<std::int32_t>{5, 0});
  EXPECT_EQ(printer.PrinterWriteUsb(block.data(), 8), 1);

  EXPECT_EQ(Values(printer), (std::vector<std::int32_t>{-1, 1}));
  EXPECT_FALSE(fs::exists(folder / "state.txt"));
  const std::string trace = Trace();
  EXPECT_NE(trace.find("state: ignored parameter block of 12 bytes for 2 parameters\n"
                       "PrinterWriteUsb 05 00 00 00 00 00 00 00 09 00 00 00 -> 0\n"),
            std::string::npos)
      << trace;
  EXPECT_NE(trace.find("state: ignored parameter block of 6 bytes for 2 parameters\n"), std::string::npos) << trace;
}

TEST_F(simState, SavedValuesForAnotherTableAreSetAside) {
  std::ofstream(folder / "state.txt") << "1 2 3\n";
  sim::Simulator printer;
  printer.Load(environment);
  EXPECT_EQ(Values(printer), (std::vector<std::int32_t>{-1, 1}));
  EXPECT_EQ(Trace(),
            "state: ignored 3 saved values for 2 parameters\n"
            "UsbPrinterGetCmd 17 00 02 capacity=512 length=8 -> 1\n");
}

}  // namespace
