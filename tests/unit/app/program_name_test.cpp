#include "ui/program_name.h"

#include <gtest/gtest.h>

#include "tests/support/text.h"

namespace {

TEST(ProgramNameTest, FileNameWithoutExtension) {
  struct Case {
    std::u16string path;
    const char* expected;
  };
  for (const Case& c : {
           Case{u"C:\\Program Files\\Varnesk\\VarneskLaserPrinterStatusMonitor.exe", "VarneskLaserPrinterStatusMonitor"},
           Case{u"Z:/tmp/run/Monitor.EXE", "Monitor"},
           Case{u"C:\\dir.d\\monitor", "monitor"},  // a dot in a folder is no extension
           Case{u"C:\\a\\monitor.copy.exe", "monitor.copy"},
           Case{u"monitor.exe", "monitor"},
       }) {
    EXPECT_EQ(testing_support::Utf8(ui::ProgramNameFromPath(c.path)), c.expected) << testing_support::Utf8(c.path);
  }
}

}  // namespace
