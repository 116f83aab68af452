#pragma once

#include <vector>

#include "shell/Navigator.h"

// A navigator without a window: remembers every page a page asked for, the
// pages shown as they were left and the exits.
class RecordingNavigator : public Navigator {
 public:
  void SwitchPage(PageId, PageId to) override { switches.push_back(to); }
  void LeaveByCloseBox(PageId, PageId to) override { switches.push_back(to); }
  void SwitchPageValidated(PageId, PageId to) override { switches.push_back(to); }
  void ReturnToPage(PageId, PageId to) override { switches.push_back(to); }
  void ShowPageAsLeft(PageId page) override { shownAsLeft.push_back(page); }
  void ExitProgram() override { ++exits; }
  void ApplySizeRule() override {}
  int WindowTop() const override { return 33; }
  int WindowLeft() const override { return 44; }

  std::vector<PageId> switches;
  std::vector<PageId> shownAsLeft;
  int exits = 0;
};
