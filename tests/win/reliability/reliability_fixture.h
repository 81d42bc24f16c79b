#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/win/quorvel_process.h"
#include "tests/win/typing/typing_test_support.h"

// Quorvel with its hot key on, and a recording target window of another process.
class QuorvelUnderLoad : public testing::Test {
  protected:
    CharRecorder recorder;
    QuorvelProcess quorvel;

    // Ticks the hot-key box and dismisses its confirmation.
    void SetUp() override;

    HWND Control(Control control) const { return ControlWindow(quorvel.MainWindow(), control); }
    std::string Output() const { return WindowTextBytes(Control(Control::编辑框1)); }
    void SetLength(const wchar_t* text) const;

    // Whether the user-interface thread answers a message within a few seconds.
    bool Answering() const;

    // Waits until every worker thread started since SetUp has ended.
    bool WaitForWorkersToEnd(DWORD milliseconds) const;

  private:
    int threadsAtRest_ = 0;
};

// Waits until the recorder's count stays the same for a while: it may still be taking the
// characters posted to it after the last worker has ended.
void WaitForCountToSettle(const CharRecorder& recorder);

// The threads that the process has at this moment.
int ThreadCount(DWORD processId);
