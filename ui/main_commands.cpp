// The commands of the main window, each run the same way by its button, menu item and shortcut.
#include "main_window.h"

#include "wide_text.h"

namespace zozi::ui {

namespace {

std::wstring programFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

void MainWindow::proceedCommand(ProceedTrigger trigger) {
  HintTexts fields;
  fields.message = narrow(controlText(kEntryText));
  if (!fields.message.empty()) {
    fields.red = narrow(controlText(kRedText));
    fields.green = narrow(controlText(kGreenText));
    fields.blue = narrow(controlText(kBlueText));
    fields.alpha = narrow(controlText(kAlphaText));
  }
  const ProceedOutcome outcome = runProceed(state_.settings, trigger, std::move(fields));
  if (outcome.refusal) {
    showNotice(*outcome.refusal);
  } else if (outcome.statement) {
    SetWindowTextW(control(kDebugText), widen(*outcome.statement).c_str());
  }
}

void MainWindow::clearEntryCommand() { SetWindowTextW(control(kEntryText), L""); }

void MainWindow::clearLogCommand() {
  if (showNotice(clearLogQuestion()) == IDYES) SetWindowTextW(control(kDebugText), L"");
}

void MainWindow::exitCommand() {
  if (showNotice(exitQuestion()) == IDYES) DestroyWindow(hwnd());
}

void MainWindow::copyToClipboardCommand() {
  showNotice(clipboardNotice(shell_.setClipboardText(hwnd(), controlText(kDebugText))));
}

void MainWindow::helpContentsCommand() {
  // The help file beside the program, never one planted in the current folder. A missing file
  // is not reported.
  shell_.openHelp(hwnd(), programFolder() + kHelpFileName);
}

void MainWindow::aboutCommand() {
  if (about_ && about_->hwnd()) return;
  // About's load step disables this window for it (disableFor), which keeps the focus, so that
  // Close gives it back where the user left it. It opens on this window's monitor.
  about_ = std::make_unique<AboutWindow>(instance(), *this, shell_);
  if (about_->create(hwnd())) about_->show();
}

}  // namespace zozi::ui
