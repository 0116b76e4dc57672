#pragma once
// One console for all the tests of a suite, as the window and the tool keep one: starting it
// costs. Its folders lie in a temporary folder that the suite's files may share.

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "console_process.h"
#include "core_search.h"
#include "rom_builder.h"

namespace quelbrook::testing {

class SharedConsoleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folders = new TempDir;
    host = new play::ConsoleProcess(play::ChooseNesCore({}), Folder("play"));
  }
  static void TearDownTestSuite() {
    delete host;
    delete folders;
  }

  static QString Folder(const std::string& name) {
    return QString::fromStdString((*folders / name).string());
  }

  static inline TempDir* folders = nullptr;
  static inline play::ConsoleProcess* host = nullptr;
};

}  // namespace quelbrook::testing
