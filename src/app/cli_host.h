#pragma once
// The job host of folioscope-cli. Ctrl-C acts as the window's buttons would:
// each press is taken once, at the next pump of the running job. The first
// press cancels that job (the batch goes on with the next folder, as after
// the Execute button's cancel); a later press also stops the batch after the
// current folder (as the status dialog's button does); the third press ends
// the program at once.
#include <csignal>

#include "app/basic_job_host.h"

namespace folio {

// Catches SIGINT for its lifetime, counting from 0, and puts the previous
// handler back at its end.
class InterruptCatcher {
 public:
  InterruptCatcher();
  ~InterruptCatcher();
  InterruptCatcher(const InterruptCatcher&) = delete;
  InterruptCatcher& operator=(const InterruptCatcher&) = delete;

  // Presses so far.
  static int count();

 private:
  void (*previous_)(int);
};

class CliHost : public BasicJobHost {
 public:
  void pumpMessages() override;

 private:
  int pressesTaken_ = 0;
};

}  // namespace folio
