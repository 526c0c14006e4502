// Shared set-up for the unit tests: a fresh fake world with the program in
// C:\Prog\ and helpers to load a configuration and name sources.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <set>
#include <sstream>
#include <vector>

#include "config/config_model.h"
#include "config/config_reader.h"
#include "state/run_state.h"
#include "tests/fake_platform.h"
#include "text/ansi_text.h"

typedef std::vector<std::string> List;

class FalvexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetFake();
    addFolder("C:\\Prog");
    startRecords();
  }
  // The run state start-up leaves for C:\Prog\Falvex.exe on a 1024 x 740
  // screen with a three-button mouse.
  void startRecords() {
    copyText(RunState.programFolder, kPathSize, "C:\\Prog\\");
    copyText(RunState.defaultConfigName, kPathSize, "Falvex.ini");
    copyText(RunState.configPath, kPathSize, "C:\\Prog\\Falvex.ini");
    RunState.screenWidth = 1024;
    RunState.maximizedHeight = 740;
    RunState.mouseButtons = 3;
  }
  void TearDown() override { EXPECT_EQ(alteredNameUsed, "") << "a cut name reached the system"; }

  // Writes the text as the configuration file and loads it.
  int load(const std::string& text) {
    addFile("C:\\Prog\\Falvex.ini", text);
    return loadConfiguration(nullptr);
  }
  void setSources(const List& paths) {
    RunState.sourceCount = 0;
    for (const std::string& p : paths)
      copyText(RunState.sourceList[RunState.sourceCount++], kLongPathSize, p.c_str());
  }
  List sources() {
    return List(RunState.sourceList, RunState.sourceList + RunState.sourceCount);
  }
};
