#include "main_window.h"

#include <commctrl.h>

#include <array>
#include <iterator>

#include "minimize_to_tray.h"
#include "resource.h"
#include "window_util.h"

namespace zozi::ui {

namespace {

constexpr std::array<int, kComponentCount> kComponentIds = {kRedText, kGreenText, kBlueText,
                                                            kAlphaText};
constexpr std::array<int, kPresetCount> kPresetIds = {kWhiteRadio, kGreenRadio, kRedRadio,
                                                      kBlueRadio, kGreyRadio};
constexpr std::array<int, 5> kIconIds = {kNewRadio, kCurrentRadio, kDoneRadio, kFailedRadio,
                                         kCanceledRadio};
constexpr UINT kHtmlHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The edit class's own procedure, to which the subclassed boxes hand on what they do not
// handle. All boxes of the class share it, so one copy serves them all; a window property per
// box would cost a round trip to the window server for every message under Wine.
WNDPROC editProcedure = nullptr;

void subclassEdit(HWND edit, WNDPROC procedure) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  if (!previous) return;
  if (!editProcedure) editProcedure = previous;
  // A box that something else subclassed first keeps its own chain untouched.
  if (previous != editProcedure)
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

// Index of an id in one of the tables above, or -1.
template <std::size_t N>
int indexOf(const std::array<int, N>& ids, int id) {
  for (std::size_t i = 0; i < N; ++i) {
    if (ids[i] == id) return static_cast<int>(i);
  }
  return -1;
}

UINT noticeStyle(const Notice& notice) {
  UINT style = notice.buttons == NoticeButtons::YesNo ? MB_YESNO : MB_OK;
  switch (notice.icon) {
    case NoticeIcon::Exclamation:
      style |= MB_ICONEXCLAMATION;
      break;
    case NoticeIcon::Question:
      style |= MB_ICONQUESTION;
      break;
    case NoticeIcon::Information:
      style |= MB_ICONINFORMATION;
      break;
  }
  return style;
}

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

MainWindow::MainWindow(HINSTANCE instance, Shell& shell, bool quitOnDestroy)
    : instance_(instance), shell_(shell), quitOnDestroy_(quitOnDestroy) {}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::create() {
  icon_.reset(
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  smallIcon_.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0)));
  if (!registerWindowClass(instance_, kMainClassName, windowProc)) return false;
  createMenu();
  if (!hwnd_) return false;
  return true;
}

void MainWindow::createMenu() {
  OwnedMenu bar(CreateMenu());
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kMnuProceed, L"Proceed");
  AppendMenuW(file, MF_STRING, kMnuClipboard, L"Clipboard\tCtrl+C");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);  // space0
  AppendMenuW(file, MF_STRING, kMnuMinimize, L"Minimize\tCtrl+M");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);  // space1
  AppendMenuW(file, MF_STRING, kMnuExit, L"Exit");
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, kMnuHelpContents, L"Help Contents\tF1");
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);  // space3
  AppendMenuW(help, MF_STRING, kMnuAbout, L"About");
  AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
  AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"Help");

  // The window is made here so that it owns the menu from the start, and made at its size and
  // centred for the screen's scale, so that it need not move before it is shown.
  const RECT place = centredFrame(kMainClient, systemDpi(), kMainStyle, 0, true);
  hwnd_ = CreateWindowExW(0, kMainClassName, widen(kAppTitle).c_str(), kMainStyle, place.left,
                          place.top, place.right - place.left, place.bottom - place.top, nullptr,
                          bar.get(), instance_, this);
  if (!hwnd_) return;
  bar.release();
}

void MainWindow::show(int showCommand) {
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  SetFocus(control(kEntryText));
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  MainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->handle(message, wParam, lParam);
  } catch (...) {
    // Nothing may cross the window procedure; the event is dropped.
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      onCreate();
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
      return onControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CTLCOLORSTATIC:
      return onControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_MOUSEMOVE:
      onMouseMove(lParam);
      return 0;
    case WM_NEXTDLGCTL:
      onNextControl(wParam, lParam);
      return 0;
    case WM_ACTIVATE:
      // Keep the focused control across deactivation, as a dialog does; on activation the
      // default handling focuses the window, and WM_SETFOCUS hands that on.
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      onSetFocus();
      return 0;
    case WM_SETCURSOR:
      // The tooltips are made when the mouse first comes over a control that has one (every
      // control asks its parent here first): nothing needs them earlier.
      if (!tooltip_ && hasTooltip(reinterpret_cast<HWND>(wParam))) createTooltips();
      break;
    case WM_DPICHANGED:
      onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ENDSESSION:
      // Logging off or shutting down unloads the window like any other close, so the unload
      // step still removes the tray icon.
      if (wParam) DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      controls_.fill(nullptr);
      tooltip_ = nullptr;
      break;
    default:
      if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // The notification area was recreated (the shell restarted): show the icon again.
        if (inTray_) addTrayIcon();
        return 0;
      }
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::onCreate() {
  dpi_ = windowDpi(hwnd_);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  if (icon_) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  if (smallIcon_) {
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  }
  // The controls are made in place with their fonts: no second pass over them before first show.
  fonts_ = ControlFonts(mainControls(), dpi_);
  const auto table = mainControls();
  std::array<HWND, kMainControlCount> made{};
  createControls(hwnd_, instance_, table, dpi_, fonts_, made);
  for (std::size_t i = 0; i < table.size() && i < made.size(); ++i) {
    const auto index = static_cast<std::size_t>(table[i].id - kFrame1);
    if (index < controls_.size()) controls_[index] = made[i];
  }
  for (int id : kComponentIds) subclassEdit(control(id), componentFieldProc);
  subclassEdit(control(kDebugText), debugTextProc);

  // The load step; the check boxes and options start as the layout says, as the records do.
  loadStep(state_);
  mirror();
  syncOptionTabStops();

  const ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'C', kMnuClipboard},
      {FVIRTKEY | FCONTROL, 'M', kMnuMinimize},
      {FVIRTKEY, VK_F1, kMnuHelpContents},
  };
  accelerators_.reset(
      CreateAcceleratorTableW(const_cast<ACCEL*>(keys), static_cast<int>(std::size(keys))));
  // Made on a monitor of another scale than the screen's, or with a menu bar that wraps: place
  // it again by what is measured.
  if (!hasClientSize(hwnd_, kMainClient, dpi_)) placeCentred(hwnd_, kMainClient, dpi_);
}

void MainWindow::buildFonts() {
  // The old fonts live until no control uses them any more.
  const ControlFonts old = std::exchange(fonts_, ControlFonts(mainControls(), dpi_));
  applyFonts(hwnd_, mainControls(), fonts_);
}

void MainWindow::layout() { layoutControls(hwnd_, mainControls(), dpi_); }

bool MainWindow::hasTooltip(HWND child) const {
  if (!child || GetParent(child) != hwnd_) return false;
  const ControlSpec* row = findSpec(mainControls(), GetDlgCtrlID(child));
  return row && row->tooltip;
}

void MainWindow::createTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
  if (!tooltip_) return;
  for (const auto& row : mainControls()) {
    if (!row.tooltip) continue;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // The message loop relays the mouse messages (TTM_RELAYEVENT) rather than the tooltip
    // subclassing every control.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control(row.id));
    tool.lpszText = const_cast<wchar_t*>(row.tooltip);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void MainWindow::onCommand(int id, int code) {
  // Buttons and menu items arrive with code 0, shortcut keys with 1; other notifications
  // (focus, text changes) have no handler.
  if (code != 0 && code != 1) return;
  using Handler = void (*)(MainWindow&, int);
  struct Route {
    int id;
    Handler run;
  };
  static const Route routes[] = {
      {kProceedButton, [](MainWindow& w, int) { w.proceedCommand(ProceedTrigger::Button); }},
      {kMnuProceed, [](MainWindow& w, int) { w.proceedCommand(ProceedTrigger::Menu); }},
      {kClearTextButton, [](MainWindow& w, int) { w.clearEntryCommand(); }},
      {kClearButton, [](MainWindow& w, int) { w.clearLogCommand(); }},
      {kExitButton, [](MainWindow& w, int) { w.exitCommand(); }},
      {kMnuExit, [](MainWindow& w, int) { w.exitCommand(); }},
      {kClipboardButton, [](MainWindow& w, int) { w.copyToClipboardCommand(); }},
      {kMnuClipboard, [](MainWindow& w, int) { w.copyToClipboardCommand(); }},
      {kMnuHelpContents, [](MainWindow& w, int) { w.helpContentsCommand(); }},
      {kMnuAbout, [](MainWindow& w, int) { w.aboutCommand(); }},
      {kMnuMinimize, [](MainWindow& w, int) { w.minimize_to_tray(); }},
      {kLocalizedText, [](MainWindow& w, int id) { w.onTextModeClick(id); }},
      {kStandardText, [](MainWindow& w, int id) { w.onTextModeClick(id); }},
      {kCheckDefault, [](MainWindow& w, int id) { w.onColorModeClick(id); }},
      {kCheckManual, [](MainWindow& w, int id) { w.onColorModeClick(id); }},
      {kWhiteRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kGreenRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kRedRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kBlueRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kGreyRadio, [](MainWindow& w, int id) { w.onPresetClick(id); }},
      {kNewRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kCurrentRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kDoneRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kFailedRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      {kCanceledRadio, [](MainWindow& w, int id) { w.onIconClick(id); }},
      // Enter, made into IDOK by the dialog manager, is no default button: it presses only a
      // button that has the focus. Escape (IDCANCEL) does nothing.
      {IDOK, [](MainWindow& w, int) { w.onEnterKey(); }},
  };
  for (const auto& route : routes) {
    if (route.id == id) {
      route.run(*this, id);
      return;
    }
  }
}

void MainWindow::onEnterKey() {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != hwnd_) return;
  wchar_t className[16]{};
  GetClassNameW(focus, className, static_cast<int>(std::size(className)));
  const LONG_PTR type = GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK;
  if (lstrcmpiW(className, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
    SendMessageW(focus, BM_CLICK, 0, 0);
  }
}

void MainWindow::onTextModeClick(int id) {
  const auto value = static_cast<std::uint16_t>(isChecked(id));
  if (id == kLocalizedText) {
    state_.textModePair.localizedValue = value;
    localizedTextClick(state_.textModePair, state_.settings);
  } else {
    state_.textModePair.standardValue = value;
    standardTextClick(state_.textModePair, state_.settings);
  }
  mirror();
}

void MainWindow::onColorModeClick(int id) {
  readComponentTexts();
  const auto value = static_cast<std::uint16_t>(isChecked(id));
  if (id == kCheckDefault) {
    state_.colors.defaultValue = value;
    checkDefaultClick(state_.colors);
  } else {
    state_.colors.manualValue = value;
    checkManualClick(state_.colors);
  }
  mirror();
}

void MainWindow::onPresetClick(int id) {
  const int index = indexOf(kPresetIds, id);
  if (index < 0) return;
  readComponentTexts();
  state_.colors.selected = static_cast<ColorPreset>(index);
  applyColorPreset(state_.colors, state_.colors.selected);
  mirror();
  syncOptionTabStops();
}

void MainWindow::onIconClick(int id) {
  const int index = indexOf(kIconIds, id);
  if (index < 0) return;
  selectIcon(state_.settings, static_cast<IconOption>(index));
  syncOptionTabStops();
}

bool MainWindow::onComponentChar(WPARAM code) {
  if (filterComponentKey(static_cast<std::uint16_t>(code)) == KeyVerdict::Accepted) return true;
  showNotice(rejectedKeyWarning());
  return false;
}

void MainWindow::readComponentTexts() {
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    state_.colors.fields[i].text = narrow(controlText(kComponentIds[i]));
  }
}

void MainWindow::mirror() {
  // Only what differs is written: each write to a control is a round trip to the window system,
  // and the window is mirrored after every click and once before it is first shown.
  const auto check = [this](int id, std::uint16_t value) {
    if (isChecked(id) != (value != 0)) {
      SendMessageW(control(id), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  };
  check(kLocalizedText, state_.textModePair.localizedValue);
  check(kStandardText, state_.textModePair.standardValue);
  check(kCheckDefault, state_.colors.defaultValue);
  check(kCheckManual, state_.colors.manualValue);
  for (std::size_t i = 0; i < kPresetCount; ++i) {
    EnableWindow(control(kPresetIds[i]), state_.colors.optionEnabled[i]);
  }
  // Before the window is first shown there is nothing on the screen to repaint.
  const bool shown = IsWindowVisible(hwnd_) != FALSE;
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    const ComponentField& field = state_.colors.fields[i];
    HWND edit = control(kComponentIds[i]);
    const std::wstring text = widen(field.text);
    // Only a changed text is written, so the caret and selection stay where the user left them.
    if (windowText(edit) != text) SetWindowTextW(edit, text.c_str());
    EnableWindow(edit, field.enabled);  // sends nothing when the state stays
    // The background is drawn from the record: repaint in case only it changed.
    if (shown) InvalidateRect(edit, nullptr, TRUE);
  }
}

void MainWindow::syncOptionTabStops() {
  // Within an option group only the selected option takes part in tabbing.
  const auto sync = [this](const auto& ids) {
    for (int id : ids) {
      HWND option = control(id);
      const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
      const LONG_PTR wanted = isChecked(id) ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
      // Only a change is written: each write is a round trip and two messages to the option.
      if (wanted != style) SetWindowLongPtrW(option, GWL_STYLE, wanted);
    }
  };
  sync(kPresetIds);
  sync(kIconIds);
}

LRESULT MainWindow::onControlColor(HDC dc, HWND child, bool isStatic) {
  const int id = GetDlgCtrlID(child);
  if (const int field = indexOf(kComponentIds, id); field >= 0) {
    const int colour =
        state_.colors.fields[static_cast<std::size_t>(field)].background == FieldBackground::Light3D
            ? COLOR_3DLIGHT
            : COLOR_WINDOW;
    SetBkColor(dc, GetSysColor(colour));
    SetTextColor(dc, GetSysColor(IsWindowEnabled(child) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
  }
  const ControlSpec* row = findSpec(mainControls(), id);
  if (isStatic && row && row->kind == Kind::Label && row->textColor != CLR_INVALID) {
    SetTextColor(dc, row->textColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcW(hwnd_, isStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                        reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
}

void MainWindow::onSetFocus() {
  // The focus given to the window goes on to the control the user left, as in a dialog.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    SetFocus(control(kEntryText));
  }
}

void MainWindow::onNextControl(WPARAM wParam, LPARAM lParam) {
  // The dialog manager and the multi-line box ask the parent to move the focus; a plain window
  // would ignore it and Tab would stick in the box.
  HWND next = nullptr;
  if (LOWORD(lParam)) {
    next = reinterpret_cast<HWND>(wParam);
  } else {
    next = GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
  }
  if (next) SetFocus(next);
}

void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  buildFonts();
  layout();
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Keep the client area exact, whatever the suggested frame assumed.
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int dx = twipsToPixels(kMainClient.cx, dpi_) - client.right;
  const int dy = twipsToPixels(kMainClient.cy, dpi_) - client.bottom;
  if (dx != 0 || dy != 0) {
    SetWindowPos(hwnd_, nullptr, 0, 0, suggested.right - suggested.left + dx,
                 suggested.bottom - suggested.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void MainWindow::onMouseMove(LPARAM lParam) {
  // The tray icon reports its mouse events as this message with the event in the low word.
  const UINT code = LOWORD(lParam);
  if (code == WM_LBUTTONDOWN || code == WM_RBUTTONUP) restoreFromTray();
}

void MainWindow::onDestroy() {
  // The unload step: the tray delete goes out with the record as it stands, even all zero.
  shell_.notifyIcon(NIM_DELETE, &trayIconData_);
  inTray_ = false;
  about_.reset();
  if (quitOnDestroy_) PostQuitMessage(0);
}

int MainWindow::showNotice(const Notice& notice) {
  if (notice.beepFirst) shell_.beep();
  return shell_.messageBox(hwnd_, widen(notice.text), widen(notice.title), noticeStyle(notice));
}

std::wstring MainWindow::controlText(int id) const { return windowText(control(id)); }

// The commands.

void MainWindow::proceedCommand(ProceedTrigger trigger) {
  ProceedInput input;
  input.message = narrow(controlText(kEntryText));
  if (!input.message.empty()) {
    input.red = narrow(controlText(kRedText));
    input.green = narrow(controlText(kGreenText));
    input.blue = narrow(controlText(kBlueText));
    input.alpha = narrow(controlText(kAlphaText));
  }
  const ProceedOutcome outcome = zozi::proceedCommand(state_.settings, trigger, std::move(input));
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
  if (showNotice(exitQuestion()) == IDYES) DestroyWindow(hwnd_);
}

void MainWindow::copyToClipboardCommand() {
  if (shell_.setClipboardText(hwnd_, controlText(kDebugText))) {
    showNotice(copiedNotice());
  } else {
    showNotice(clipboardBusyWarning());
  }
}

void MainWindow::helpContentsCommand() {
  // The help file beside the program, never one planted in the current folder. A missing file
  // is not reported.
  shell_.htmlHelp(hwnd_, programFolder() + kHelpFileName, kHtmlHelpDisplayTopic, 0);
}

void MainWindow::aboutCommand() {
  if (about_ && about_->hwnd()) return;
  about_ = std::make_unique<AboutWindow>(instance_, hwnd_, icon_.get(), smallIcon_.get());
  if (about_->create()) about_->show();
}

void MainWindow::minimize_to_tray() {
  ShowWindow(hwnd_, SW_HIDE);
  trayIconData_ = makeTrayIconData(hwnd_, icon_.get());
  inTray_ = true;
  addTrayIcon();
}

void MainWindow::addTrayIcon() {
  if (shell_.notifyIcon(NIM_ADD, &trayIconData_)) return;
  // Refused: never leave a hidden window without a way back.
  inTray_ = false;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void MainWindow::restoreFromTray() {
  const bool wasHidden = inTray_;
  ShowWindow(hwnd_, SW_SHOW);
  shell_.notifyIcon(NIM_DELETE, &trayIconData_);
  inTray_ = false;
  if (wasHidden) SetForegroundWindow(hwnd_);
}

// Subclass procedures.

LRESULT CALLBACK MainWindow::componentFieldProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) noexcept {
  try {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
    if (message == WM_GETDLGCODE && lParam) {
      // Enter and Escape must reach the key filter, not become the dialog manager's IDOK and
      // IDCANCEL; Tab still moves the focus.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      const bool enterOrEscape = (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
                                 (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
      const LRESULT code = CallWindowProcW(editProcedure, hwnd, message, wParam, lParam);
      return enterOrEscape ? (code | DLGC_WANTMESSAGE) : code;
    }
    if (message == WM_CHAR && self && !self->onComponentChar(wParam)) return 0;
  } catch (...) {
    return 0;
  }
  return CallWindowProcW(editProcedure, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::debugTextProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  // Escape in a multi-line box would ask its parent to close; here it closes nothing.
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  return CallWindowProcW(editProcedure, hwnd, message, wParam, lParam);
}

}  // namespace zozi::ui
