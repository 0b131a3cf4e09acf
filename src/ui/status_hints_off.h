#pragma once
// While a modal window of the program is open, control hints stay out of the
// main window's status bar. One of these turns them off for its lifetime,
// however the scope is left.
#include <functional>
#include <utility>

namespace strumbly {

class StatusHintsOff {
 public:
  // setEnabled turns the hints on or off; empty does nothing.
  explicit StatusHintsOff(std::function<void(bool)> setEnabled) : setEnabled_(std::move(setEnabled)) {
    if (setEnabled_) setEnabled_(false);
  }
  ~StatusHintsOff() {
    if (setEnabled_) setEnabled_(true);
  }
  StatusHintsOff(const StatusHintsOff&) = delete;
  StatusHintsOff& operator=(const StatusHintsOff&) = delete;

 private:
  std::function<void(bool)> setEnabled_;
};

}  // namespace strumbly
