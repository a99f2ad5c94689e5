#include "app/cli_host.h"

namespace folio {

namespace {

volatile std::sig_atomic_t g_presses = 0;

extern "C" void OnInterrupt(int) {
  g_presses = g_presses + 1;
  if (g_presses >= 3) {
    // The third press ends the program as an uncaught Ctrl-C would.
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
  }
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
  g_presses = 0;
  previous_ = std::signal(SIGINT, OnInterrupt);
  if (previous_ == SIG_ERR) previous_ = SIG_DFL;
}

InterruptCatcher::~InterruptCatcher() { std::signal(SIGINT, previous_); }

int InterruptCatcher::count() { return g_presses; }

void CliHost::pumpMessages() {
  BasicJobHost::pumpMessages();
  const int presses = InterruptCatcher::count();
  if (presses == pressesTaken_) return;
  // Each press is taken once: a press that cancelled one job must not also
  // cancel every job after it.
  pressesTaken_ = presses;
  if (busy()) setBusy(false);
  if (presses >= 2 && running()) {
    setRunning(false);
    addPlainLine(u"キャンセルされました。次のフォルダ以降中止します。");
  }
}

}  // namespace folio
