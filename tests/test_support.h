// Shared set-up for the unit tests: a fresh fake world with the program in
// C:\Prog\ and helpers to load a configuration text.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "state/run_state.h"
#include "config/config_model.h"
#include "config/config_reader.h"
#include "tests/fake_platform.h"
#include "text/ansi_text.h"

class FalvexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetFake();
    addFolder("C:\\Prog");
    addFolder("C:\\Windows\\System32");
    copyText(RunState.modulePath, kLongPathSize, "C:\\Prog\\Falvex.exe");
    copyText(RunState.programFolder, kPathSize, "C:\\Prog\\");
    copyText(RunState.defaultConfigName, kPathSize, "Falvex.ini");
    copyText(RunState.configPath, kPathSize, "C:\\Prog\\Falvex.ini");
    RunState.screenWidth = 1024;
    RunState.maximizedHeight = 740;
    RunState.mouseButtons = 3;
  }

  // Writes the text as the configuration file and loads it.
  int load(const std::string& text) {
    addFile("C:\\Prog\\Falvex.ini", text);
    return loadConfiguration(nullptr);
  }

  void addSource(const char* path) {
    copyText(RunState.sourceList[RunState.sourceCount++], kLongPathSize, path);
  }
};
