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

void MainWindow::onCommand(int id, int code) {
  // Buttons and menu items arrive with code 0, shortcut keys with 1; other notifications
  // (focus, text changes) have no handler.
  if (code != 0 && code != 1) return;
  // One row for each button, menu item and control event: a command runs alone, a click is told
  // which control it came from. A button and its menu item run the same member.
  struct Row {
    int id;
    void (MainWindow::*command)() = nullptr;
    void (MainWindow::*click)(int) = nullptr;
  };
  static constexpr Row rows[] = {
      {kProceedButton, nullptr, &MainWindow::proceedCommand},
      {kMnuProceed, nullptr, &MainWindow::proceedCommand},
      {kClearTextButton, &MainWindow::clearEntryCommand},
      {kClearButton, &MainWindow::clearLogCommand},
      {kExitButton, &MainWindow::exitCommand},
      {kMnuExit, &MainWindow::exitCommand},
      {kClipboardButton, &MainWindow::copyToClipboardCommand},
      {kMnuClipboard, &MainWindow::copyToClipboardCommand},
      {kMnuHelpContents, &MainWindow::helpContentsCommand},
      {kMnuAbout, &MainWindow::aboutCommand},
      {kMnuMinimize, &MainWindow::minimize_to_tray},
      {kLocalizedText, nullptr, &MainWindow::onTextModeClick},
      {kStandardText, nullptr, &MainWindow::onTextModeClick},
      {kCheckDefault, nullptr, &MainWindow::onColorModeClick},
      {kCheckManual, nullptr, &MainWindow::onColorModeClick},
      {kWhiteRadio, nullptr, &MainWindow::onPresetClick},
      {kGreenRadio, nullptr, &MainWindow::onPresetClick},
      {kRedRadio, nullptr, &MainWindow::onPresetClick},
      {kBlueRadio, nullptr, &MainWindow::onPresetClick},
      {kGreyRadio, nullptr, &MainWindow::onPresetClick},
      {kNewRadio, nullptr, &MainWindow::onIconClick},
      {kCurrentRadio, nullptr, &MainWindow::onIconClick},
      {kDoneRadio, nullptr, &MainWindow::onIconClick},
      {kFailedRadio, nullptr, &MainWindow::onIconClick},
      {kCanceledRadio, nullptr, &MainWindow::onIconClick},
  };
  for (const Row& row : rows) {
    if (row.id != id) continue;
    if (row.command) {
      (this->*row.command)();
    } else {
      (this->*row.click)(id);
    }
    return;
  }
}

void MainWindow::proceedCommand(int id) {
  const ProceedTrigger trigger = id == kMnuProceed ? ProceedTrigger::Menu : ProceedTrigger::Button;
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
  showNotice(clipboardNotice(services().setClipboardText(hwnd(), controlText(kDebugText))));
}

void MainWindow::helpContentsCommand() {
  // The help file beside the program, never one planted in the current folder. A missing file
  // is not reported.
  services().openHelp(hwnd(), programFolder() + kHelpFileName);
}

void MainWindow::aboutCommand() {
  if (about_ && about_->hwnd()) return;
  // About's load step disables this window for it (disableFor), which keeps the focus, so that
  // Close gives it back where the user left it. It opens on this window's monitor.
  about_ = std::make_unique<AboutWindow>(instance(), *this, services());
  if (about_->create(hwnd())) about_->show();
}

// Minimize: the window hidden behind its icon in the notification area (the caption's icon, at
// the window's scale), brought back by a left-button press or a right-button release on it.

void MainWindow::minimize_to_tray() { tray_.hide(hwnd(), smallIcon()); }

void MainWindow::restoreFromTray() { tray_.restore(hwnd()); }

}  // namespace zozi::ui
