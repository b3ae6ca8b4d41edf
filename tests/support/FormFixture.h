#pragma once
// A main window made offscreen for each test, with dialogs, message boxes and
// links answered by the test. The command line is the program name alone
// unless the test sets another before the window is made.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "support/Services.h"
#include "support/TempDir.h"

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes the window anew with the given command line.
    void Recreate(const std::string& commandLine);
    // Fills the playlist: each name is a file made in the temporary folder unless
    // it starts with "missing:", and is ticked unless it starts with "-".
    void Fill(const std::vector<std::string>& names);
    std::vector<std::string> Texts() const;
    std::vector<bool> Ticks() const;

    MessageBoxRecorder boxes;
    DialogScript dialogs;
    LinkRecorder links;
    TempDir dir;
    std::unique_ptr<TForm1> form;
};
