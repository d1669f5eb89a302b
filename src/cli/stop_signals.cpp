#include "cli/stop_signals.h"

namespace drawlyze::cli {

StopHandler::StopHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kStopSignals.size(); ++i) ::sigaction(kStopSignals[i], &action, &previous_[i]);
}

StopHandler::~StopHandler() {
  for (std::size_t i = 0; i < kStopSignals.size(); ++i) ::sigaction(kStopSignals[i], &previous_[i], nullptr);
}

}  // namespace drawlyze::cli
