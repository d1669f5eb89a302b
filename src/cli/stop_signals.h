#pragma once
// The signals that ask drawlyze-cli to stop (Ctrl+C, a terminal that closes,
// kill) and a handler for them that lives as long as the work it guards.

#include <signal.h>

#include <array>
#include <csignal>

namespace drawlyze::cli {

inline constexpr std::array<int, 3> kStopSignals = {SIGINT, SIGTERM, SIGHUP};

// Handles the stop signals while it lives; the previous handlers after.
class StopHandler {
 public:
  explicit StopHandler(void (*handler)(int));
  ~StopHandler();
  StopHandler(const StopHandler&) = delete;
  StopHandler& operator=(const StopHandler&) = delete;

 private:
  std::array<struct sigaction, kStopSignals.size()> previous_{};
};

}  // namespace drawlyze::cli
