// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli_host.h"

#include <string>

#include "app/cli_text.h"
#include "platform/text.h"

namespace folio {

namespace {

volatile std::sig_atomic_t g_presses = 0;
volatile std::sig_atomic_t g_terminated = 0;

extern "C" void OnInterrupt(int) {
  g_presses = g_presses + 1;
  if (g_presses >= 3) {
    // The third press ends the program as an uncaught Ctrl-C would.
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
  }
}

extern "C" void OnTerminate(int) { g_terminated = 1; }

void (*Catch(int signal, void (*handler)(int)))(int) {
  void (*previous)(int) = std::signal(signal, handler);
  return previous == SIG_ERR ? SIG_DFL : previous;
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
  g_presses = 0;
  g_terminated = 0;
  previousInt_ = Catch(SIGINT, OnInterrupt);
  previousTerm_ = Catch(SIGTERM, OnTerminate);
  previousHup_ = Catch(SIGHUP, OnTerminate);
}

InterruptCatcher::~InterruptCatcher() {
  std::signal(SIGINT, previousInt_);
  std::signal(SIGTERM, previousTerm_);
  std::signal(SIGHUP, previousHup_);
}

int InterruptCatcher::count() { return g_presses; }
bool InterruptCatcher::terminated() { return g_terminated != 0; }

void CliHost::pumpMessages() {
  if (InterruptCatcher::terminated() && !terminationTaken_) {
    // The running job is cancelled (and undone by its own cancel path), and
    // no other folder starts.
    terminationTaken_ = true;
    if (busy()) setBusy(false);
    setRunning(false);
    return;
  }
  const int presses = InterruptCatcher::count();
  if (presses == pressesTaken_) return;
  // Each press is taken once: a press that cancelled one job must not also
  // cancel every job after it.
  pressesTaken_ = presses;
  if (busy()) setBusy(false);
  if (presses >= 2 && running()) {
    setRunning(false);
    addPlainLine(FromUtf8(
        CliText(QT_TRANSLATE_NOOP("Cli", "Cancelled. The folders after this one will not be run."))));
  }
}

void CliHost::addFolderLine(std::u16string_view path, int number, int total) {
  HeadlessWindow::addFolderLine(path, number, total);
  folderNumber_ = number;
  folderTotal_ = total;
  folderStart_ = std::chrono::steady_clock::now();
}

void CliHost::takeLine(std::u16string_view line) {
  ClearProgress();  // a line of its own, not behind the progress line
  if (printLine_) printLine_(line);
}

// One line on the terminal: "folder i/n  image done/total  rate photos/s".
void CliHost::showProgress(int done, int total) {
  if (terminal_ == nullptr) return;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - folderStart_).count();
  const double rate = seconds > 0 ? done / seconds : 0;
  const std::string line =
      CliText(QT_TRANSLATE_NOOP("Cli", "folder %1/%2  image %3/%4  %5 photos/s"),
              {std::to_string(folderNumber_), std::to_string(folderTotal_), std::to_string(done),
               std::to_string(total), FixedAscii(rate, 1)});
  std::fprintf(terminal_, "\r\033[K%s", line.c_str());
  std::fflush(terminal_);
  lineShown_ = true;
}

void CliHost::ClearProgress() {
  if (terminal_ == nullptr || !lineShown_) return;
  std::fprintf(terminal_, "\r\033[K");
  std::fflush(terminal_);
  lineShown_ = false;
}

}  // namespace folio
