// Thousands of random user actions on the real window, every message box answered at random.
// Each action is also played on a model: a plain record of what the window should show, kept by
// the rules as written down here and never read back from the window. After every action the
// window's texts, check marks, options, enabled states, About, tray and message boxes must
// equal the model's, and every Proceed writes the statement the model builds.
//
// The test command runs one fixed sequence; ZOZI_MONKEY_SEED=<seed> runs (or replays) another,
// ZOZI_MONKEY_ACTIONS=<n> makes it longer.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "environment.h"
#include "expected_texts.h"
#include "fake_shell.h"
#include "layout.h"
#include "main_window.h"
#include "pump.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

// The colour options, and the order the arrow keys walk them (the order on screen).
constexpr int kPresetIds[] = {kWhiteRadio, kGreenRadio, kRedRadio, kBlueRadio, kGreyRadio};
constexpr int kPresetWalk[] = {kWhiteRadio, kRedRadio, kGreenRadio, kBlueRadio, kGreyRadio};
constexpr int kIconIds[] = {kNewRadio, kCurrentRadio, kDoneRadio, kFailedRadio, kCanceledRadio};
constexpr int kCheckBoxes[] = {kLocalizedText, kStandardText, kCheckDefault, kCheckManual};
constexpr int kClickable[] = {kLocalizedText, kStandardText,  kClearTextButton, kCheckDefault,
                              kWhiteRadio,    kRedRadio,      kGreenRadio,      kBlueRadio,
                              kGreyRadio,     kCheckManual,   kNewRadio,        kCurrentRadio,
                              kDoneRadio,     kFailedRadio,   kCanceledRadio,   kExitButton,
                              kClearButton,   kProceedButton, kClipboardButton};
// Everything that can hold the keyboard focus.
constexpr int kFocusable[] = {
    kEntryText,   kLocalizedText, kStandardText, kClearTextButton, kCheckDefault,
    kWhiteRadio,  kRedRadio,      kGreenRadio,   kBlueRadio,       kGreyRadio,
    kCheckManual, kRedText,       kGreenText,    kBlueText,        kAlphaText,
    kNewRadio,    kCurrentRadio,  kDoneRadio,    kFailedRadio,     kCanceledRadio,
    kDebugText,   kExitButton,    kClearButton,  kProceedButton,   kClipboardButton};
constexpr int kMenuItems[] = {kMnuProceed, kMnuClipboard,    kMnuMinimize,
                              kMnuExit,    kMnuHelpContents, kMnuAbout};
constexpr UINT kKeys[] = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_BACK, VK_SPACE, VK_UP, VK_DOWN,
                          VK_LEFT, VK_RIGHT,  VK_DELETE, VK_HOME, VK_END,   'A',   '5'};
constexpr UINT kTrayEvents[] = {WM_MOUSEMOVE,   WM_LBUTTONDOWN, WM_LBUTTONUP,
                                WM_RBUTTONDOWN, WM_RBUTTONUP,   WM_LBUTTONDBLCLK};

template <std::size_t N>
int indexIn(const int (&ids)[N], int id) {
  for (std::size_t i = 0; i < N; ++i) {
    if (ids[i] == id) return static_cast<int>(i);
  }
  return -1;
}

struct Box {
  std::wstring text;
  UINT style;
  bool operator==(const Box&) const = default;
};

// What the window should show, from the rules alone.
struct Model {
  static constexpr const wchar_t* kIconNames[5] = {L"taskNew", L"taskCurrent", L"taskDone",
                                                   L"taskFailed", L"taskFailed"};

  std::wstring entry = kStartEntry;
  std::vector<std::wstring> components = presetTexts(kWhiteRadio);
  std::wstring log = kStartLog;
  int preset = 0;  // into kPresetIds
  int icon = 0;    // into kIconIds
  bool standard = false;
  bool manual = false;
  bool aboutOpen = false;
  bool inTray = false;
  bool closed = false;  // unloaded: the monkey opens the window again

  // The present action's script, drawn before it runs.
  bool quitYes = false;
  bool clearYes = false;
  bool clipboardBusy = false;
  bool trayRefuses = false;

  // What the present action raises.
  std::vector<Box> boxes;
  int beeps = 0;
  int helpCalls = 0;

  static bool isComponent(int id) { return indexIn(kComponentFields, id) >= 0; }
  static bool isTextBox(int id) { return id == kEntryText || id == kDebugText || isComponent(id); }

  bool enabled(int id) const {
    if (isComponent(id)) return manual;
    if (indexIn(kPresetIds, id) >= 0) return !manual;
    return true;
  }
  // The keyboard reaches an option group at its selected option only.
  bool focusable(int id) const {
    if (!enabled(id)) return false;
    if (indexIn(kPresetIds, id) >= 0) return id == kPresetIds[preset];
    if (indexIn(kIconIds, id) >= 0) return id == kIconIds[icon];
    return true;
  }

  std::wstring& text(int id) {
    if (id == kEntryText) return entry;
    if (id == kDebugText) return log;
    return components[static_cast<std::size_t>(indexIn(kComponentFields, id))];
  }

  std::wstring statement() const {
    std::wstring s = L"taskHint";
    s += standard ? L" [\"" : L" [localize \"";
    s += entry;
    s += L"\", [";
    s += components[0] + L", " + components[1] + L", " + components[2] + L", " + components[3];
    s += L"], \"";
    s += kIconNames[icon];
    s += L"\"]; ";
    return s;
  }

  void click(int id) {
    if (const int p = indexIn(kPresetIds, id); p >= 0) {
      preset = p;
      components = presetTexts(id);
      return;
    }
    if (const int i = indexIn(kIconIds, id); i >= 0) {
      icon = i;
      return;
    }
    switch (id) {
      case kLocalizedText:
        standard = false;
        break;
      case kStandardText:
        standard = true;
        break;
      case kCheckDefault:
        manual = false;
        break;
      case kCheckManual:
        manual = true;
        break;
      case kClearTextButton:
        entry.clear();
        break;
      case kClearButton:
        boxes.push_back({kClearLogQuestion, kQuestion});
        if (clearYes) log.clear();
        break;
      case kExitButton:
        quit();
        break;
      case kProceedButton:
        proceed(kEmptyByButton);
        break;
      case kClipboardButton:
        copy();
        break;
      default:
        break;
    }
  }

  // A menu item, or the shortcut that stands for it.
  void command(int id) {
    switch (id) {
      case kMnuProceed:
        proceed(kEmptyByMenu);
        break;
      case kMnuClipboard:
        copy();
        break;
      case kMnuMinimize:
        inTray = !trayRefuses;
        break;
      case kMnuExit:
        quit();
        break;
      case kMnuHelpContents:
        ++helpCalls;
        break;
      case kMnuAbout:
        aboutOpen = true;
        break;
      default:
        break;
    }
  }

  void proceed(const std::wstring& refusal) {
    if (entry.empty()) {
      ++beeps;
      boxes.push_back({refusal, kWarning});
    } else {
      log = statement();
    }
  }
  void copy() {
    boxes.push_back(clipboardBusy ? Box{kBusy, kWarning} : Box{kCopied, kInformation});
  }
  void quit() {
    boxes.push_back({kQuitQuestion, kQuestion});
    closed = quitYes;
  }

  // Backspace with the caret at the end; a line break goes as a whole.
  void deleteBack(int id) {
    std::wstring& t = text(id);
    if (t.empty()) return;
    std::size_t end = t.size() - 1;
    if (id == kDebugText && end > 0 && t[end - 1] == L'\r' && t[end] == L'\n') {
      --end;
      if (end > 0 && t[end - 1] == L'\r') --end;
    }
    t.erase(end);
  }

  // A character reaching a text box with the caret at its end. The colour fields take digits,
  // the point and backspace only, and warn of anything else.
  void character(int id, wchar_t c) {
    if (isComponent(id) && !((c >= L'0' && c <= L'9') || c == L'.' || c == L'\b')) {
      boxes.push_back({kOnlyNumbers, kWarning});
      return;
    }
    if (c == L'\b') {
      deleteBack(id);
    } else if (c == L'\r') {
      if (id == kDebugText) log += L"\r\n";
    } else {
      text(id) += c;
    }
  }

  void paste(int id, const std::wstring& s) { text(id) += s; }

  // The icon's mouse events: a left press or a right release brings the window back.
  void trayEvent(UINT event) {
    if (event == WM_LBUTTONDOWN || event == WM_RBUTTONUP) inTray = false;
  }

  // A key pressed on the focused control; in a text box the caret is at the end.
  void key(int id, UINT vk, bool shift) {
    if (isTextBox(id)) {
      switch (vk) {
        case VK_BACK:
          character(id, L'\b');
          break;
        case VK_SPACE:
          character(id, L' ');
          break;
        case 'A':
          character(id, shift ? L'A' : L'a');
          break;
        case '5':
          character(id, shift ? L'%' : L'5');
          break;
        case VK_RETURN:  // the message field's Enter is the window's, and presses nothing
          if (id != kEntryText) character(id, L'\r');
          break;
        case VK_ESCAPE:  // a character for the colour fields' filter; nothing elsewhere
          if (isComponent(id)) character(id, L'\x1b');
          break;
        case VK_DELETE:  // nothing after the caret; Shift+Delete deletes before it
          if (shift) deleteBack(id);
          break;
        default:  // Tab moves the focus; the others move the caret
          break;
      }
      return;
    }
    const int walk = indexIn(kPresetWalk, id);
    const int option = indexIn(kIconIds, id);
    if (walk >= 0 || option >= 0) {
      const int step = vk == VK_DOWN || vk == VK_RIGHT ? 1 : vk == VK_UP || vk == VK_LEFT ? 4 : 0;
      if (vk == VK_SPACE) click(id);
      if (step != 0 && walk >= 0) click(kPresetWalk[(walk + step) % 5]);
      if (step != 0 && option >= 0) click(kIconIds[(option + step) % 5]);
      return;
    }
    if (indexIn(kCheckBoxes, id) >= 0) {
      if (vk == VK_SPACE) click(id);
      return;
    }
    if (vk == VK_SPACE || vk == VK_RETURN) click(id);  // a push button
  }
};

std::wstring nameOf(int id) {
  if (const ControlSpec* row = findSpec(mainControls(), id)) return row->name;
  switch (id) {
    case kMnuProceed:
      return L"Proceed";
    case kMnuClipboard:
      return L"Clipboard";
    case kMnuMinimize:
      return L"Minimize";
    case kMnuExit:
      return L"Exit";
    case kMnuHelpContents:
      return L"Help Contents";
    case kMnuAbout:
      return L"About";
    default:
      return std::to_wstring(id);
  }
}

std::wstring keyName(UINT key) {
  switch (key) {
    case VK_TAB:
      return L"Tab";
    case VK_RETURN:
      return L"Enter";
    case VK_ESCAPE:
      return L"Escape";
    case VK_BACK:
      return L"Backspace";
    case VK_SPACE:
      return L"Space";
    case VK_UP:
      return L"Up";
    case VK_DOWN:
      return L"Down";
    case VK_LEFT:
      return L"Left";
    case VK_RIGHT:
      return L"Right";
    case VK_DELETE:
      return L"Delete";
    case VK_HOME:
      return L"Home";
    case VK_END:
      return L"End";
    case VK_F1:
      return L"F1";
    default:
      return std::wstring(1, static_cast<wchar_t>(key));
  }
}

std::wstring hex(unsigned value) {
  wchar_t buffer[16];
  std::swprintf(buffer, 16, L"U+%04X", value);
  return buffer;
}

class Monkey {
 public:
  explicit Monkey(unsigned long seed) : rng_(seed) {
    shell.onBox = [this](const BoxCall& box) {
      if ((box.style & MB_TYPEMASK) != MB_YESNO) {
        shell.answers.push_back(IDOK);
      } else if (box.text == kQuitQuestion) {
        shell.answers.push_back(model.quitYes ? IDYES : IDNO);  // Yes unloads: reopened below
      } else {
        shell.answers.push_back(model.clearYes ? IDYES : IDNO);
      }
    };
    open();
  }

  FakeShell shell;
  std::unique_ptr<MainWindow> window;
  Model model;
  std::deque<std::wstring> recent;  // the last actions, for a failure report
  int reopened = 0;
  std::size_t boxesShown = 0;

  HWND item(int id) const { return window->control(id); }
  HWND about() const {
    HWND about = window->aboutHwnd();
    return about && IsWindow(about) ? about : nullptr;
  }

  void open() {
    window = std::make_unique<MainWindow>(GetModuleHandleW(nullptr), shell, false);
    ASSERT_TRUE(openWindow(*window));
  }

  // One action, as the user could make it in the state the model says the window is in; played
  // on the model too. Returns what differs between the two afterwards (empty: nothing).
  std::wstring act() {
    const HWND main = window->hwnd();
    model.quitYes = chance(5);
    model.clearYes = chance(2);
    model.clipboardBusy = chance(4);
    model.trayRefuses = chance(4);
    model.boxes.clear();
    model.beeps = 0;
    model.helpCalls = 0;
    shell.answers.clear();
    shell.boxes.clear();
    shell.clipboardFailure = model.clipboardBusy ? ClipboardResult::Busy : ClipboardResult::Copied;
    shell.refuseAdds = {model.trayRefuses};
    beepsBefore_ = shell.beeps;
    helpBefore_ = shell.helpCalls.size();

    if (model.inTray) {
      const UINT event = pick(kTrayEvents);
      note(L"tray event " + std::to_wstring(event));
      PostMessageW(main, WM_MOUSEMOVE, 0, event);
      pumpPending(*window);
      model.trayEvent(event);
    } else if (model.aboutOpen) {
      actOnAbout();
    } else {
      actOnMain();
    }
    boxesShown += shell.boxes.size();

    std::wstring differs = messagesDiffer();
    if (model.closed) {
      if (IsWindow(main)) return L"the window is still open, the model says unloaded";
      if (!differs.empty()) return differs;
      ++reopened;
      note(L"reopened");
      model = Model{};
      open();
      return {};
    }
    if (!IsWindow(main)) return L"the window was unloaded; the model says it stays";
    if (differs.empty()) differs = windowDiffers();
    return differs;
  }

  std::wstring history() const {
    std::wstring all;
    for (const auto& step : recent) all += step + L"; ";
    return all;
  }

  // The window against the model.
  std::wstring windowDiffers() const {
    const auto sameText = [this](int id, const std::wstring& want) -> std::wstring {
      const std::wstring have = textOf(item(id));
      if (have == want) return {};
      return nameOf(id) + L" holds \"" + have + L"\", the model says \"" + want + L"\"";
    };
    std::wstring d = sameText(kEntryText, model.entry);
    for (std::size_t i = 0; d.empty() && i < 4; ++i) {
      d = sameText(kComponentFields[i], model.components[i]);
    }
    if (d.empty()) d = sameText(kDebugText, model.log);
    if (!d.empty()) return d;

    const auto checkedAs = [this](int id, bool want) -> std::wstring {
      if (isChecked(item(id)) == want) return {};
      return nameOf(id) + (want ? L" is unchecked, the model says checked"
                                : L" is checked, the model says unchecked");
    };
    const auto enabledAs = [this](int id, bool want) -> std::wstring {
      if ((IsWindowEnabled(item(id)) != FALSE) == want) return {};
      return nameOf(id) + (want ? L" is disabled, the model says enabled"
                                : L" is enabled, the model says disabled");
    };
    std::vector<std::wstring> found = {
        checkedAs(kLocalizedText, !model.standard), checkedAs(kStandardText, model.standard),
        checkedAs(kCheckDefault, !model.manual), checkedAs(kCheckManual, model.manual)};
    for (int i = 0; i < 5; ++i) {
      found.push_back(checkedAs(kPresetIds[i], i == model.preset));
      found.push_back(enabledAs(kPresetIds[i], !model.manual));
      found.push_back(checkedAs(kIconIds[i], i == model.icon));
    }
    for (int id : kComponentFields) found.push_back(enabledAs(id, model.manual));
    for (const auto& f : found) {
      if (!f.empty()) return f;
    }

    if ((about() != nullptr) != model.aboutOpen) {
      return model.aboutOpen ? L"About is closed, the model says open"
                             : L"About is open, the model says closed";
    }
    if ((IsWindowEnabled(window->hwnd()) != FALSE) == model.aboutOpen) {
      return L"the main window's enabled state does not follow About";
    }
    if (window->tray().hidden() != model.inTray ||
        (IsWindowVisible(window->hwnd()) != FALSE) == model.inTray) {
      return model.inTray ? L"the window is not in the tray, the model says it is"
                          : L"the window is in the tray or hidden, the model says shown";
    }
    return {};
  }

 private:
  bool chance(unsigned n) { return rng_() % n == 0; }
  template <typename T, std::size_t N>
  T pick(const T (&items)[N]) {
    return items[rng_() % N];
  }
  // One of the ids that the model says pass the test.
  template <std::size_t N, typename Test>
  int pickWhere(const int (&ids)[N], Test test) {
    std::vector<int> allowed;
    for (int id : ids) {
      if (test(id)) allowed.push_back(id);
    }
    return allowed[rng_() % allowed.size()];
  }

  void note(std::wstring step) {
    recent.push_back(std::move(step));
    if (recent.size() > 24) recent.pop_front();
  }

  // The message boxes, beeps and help calls of the action against the model's.
  std::wstring messagesDiffer() const {
    std::vector<Box> shown;
    for (const BoxCall& box : shell.boxes) shown.push_back({box.text, box.style});
    if (shown != model.boxes) {
      std::wstring d = L"message boxes [";
      for (const Box& b : shown) d += b.text + L" | ";
      d += L"], the model says [";
      for (const Box& b : model.boxes) d += b.text + L" | ";
      return d + L"]";
    }
    if (shell.beeps - beepsBefore_ != model.beeps) return L"beeps differ from the model";
    if (shell.helpCalls.size() - helpBefore_ != static_cast<std::size_t>(model.helpCalls)) {
      return L"help calls differ from the model";
    }
    return {};
  }

  // Puts the focus on a control and, in a text box, the caret at the end of what the model
  // says it holds, so that what a key does there is known.
  void focus(int id) {
    SetFocus(item(id));
    if (Model::isTextBox(id)) {
      const auto end = static_cast<WPARAM>(model.text(id).size());
      SendMessageW(item(id), EM_SETSEL, end, static_cast<LPARAM>(end));
    }
  }

  void actOnAbout() {
    HWND box = about();
    if (!box) {  // the model says open: let the comparison report it
      note(L"About: not there");
      return;
    }
    HWND close = GetDlgItem(box, kAboutCloseButton);
    switch (rng_() % 6) {
      case 0:
        note(L"About: Close");
        click(*window, close);
        model.aboutOpen = false;
        break;
      case 1:
        note(L"About: Enter on Close");
        SetFocus(close);
        pressKey(*window, close, VK_RETURN);
        model.aboutOpen = false;
        break;
      case 2:
        note(L"About: Escape");
        SetFocus(close);
        pressKey(*window, close, VK_ESCAPE);
        break;
      case 3:
        note(L"About: close box");
        SendMessageW(box, WM_CLOSE, 0, 0);
        pumpPending(*window);
        model.aboutOpen = false;
        break;
      default: {  // the main window's shortcuts, which do nothing now
        const UINT key = pick({UINT{'C'}, UINT{'M'}, UINT{VK_F1}});
        note(L"About: " + std::wstring(key == VK_F1 ? L"" : L"Ctrl+") + keyName(key));
        SetFocus(close);
        pressKey(*window, close, key, /*control=*/key != VK_F1);
        break;
      }
    }
  }

  // A character for the message or the log: printable, one UTF-16 unit.
  wchar_t printable() {
    switch (rng_() % 4) {
      case 0:
        return static_cast<wchar_t>(0xA0 + rng_() % 0x1B0);  // Latin, Greek
      case 1: {
        wchar_t c = static_cast<wchar_t>(0xA0 + rng_() % (0xFFFE - 0xA0));
        return c >= 0xD800 && c <= 0xDFFF ? L'?' : c;
      }
      default:
        return static_cast<wchar_t>(L' ' + rng_() % 95);
    }
  }

  // A character for a colour field: whatever a keyboard or a program might send.
  wchar_t anyCharacter() {
    switch (rng_() % 8) {
      case 0:
      case 1:
        return static_cast<wchar_t>(L'0' + rng_() % 10);
      case 2:
        return L'.';
      case 3:
        return L'\b';
      case 4:
        return static_cast<wchar_t>(1 + rng_() % 31);  // control characters, Ctrl+letters
      case 5:
        return static_cast<wchar_t>(0xD800 + rng_() % 0x800);  // surrogates, paired or not
      case 6:
        return static_cast<wchar_t>(0x80 + rng_() % 0xFF80);
      default:
        return static_cast<wchar_t>(L' ' + rng_() % 95);
    }
  }

  std::wstring pasteText(int id) {
    std::wstring text;
    const unsigned length = 1 + rng_() % 4;
    for (unsigned i = 0; i < length; ++i) {
      const bool number = Model::isComponent(id) && !chance(4);
      text += number ? static_cast<wchar_t>(chance(4) ? L'.' : L'0' + rng_() % 10) : printable();
    }
    return text;
  }

  void actOnMain() {
    const HWND main = window->hwnd();
    unsigned slot = rng_() % 20;
    if (slot == 18 && !chance(5)) slot = 11;  // a scale change lays out every control: rarer
    switch (slot) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4: {
        const int id =
            pickWhere(kClickable, [this](int candidate) { return model.enabled(candidate); });
        note(L"click " + nameOf(id));
        click(*window, item(id));
        model.click(id);
        break;
      }
      case 5:
      case 6: {
        const int id = pick(kMenuItems);
        note(L"menu " + nameOf(id));
        SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        pumpPending(*window);
        model.command(id);
        break;
      }
      case 7:
      case 8:
      case 9: {
        const int id = pickWhere(kFocusable, [this](int candidate) {
          return Model::isTextBox(candidate) && model.enabled(candidate);
        });
        const wchar_t c = Model::isComponent(id) ? anyCharacter() : printable();
        note(L"type " + hex(c) + L" into " + nameOf(id));
        focus(id);
        typeText(*window, item(id), std::wstring(1, c));
        model.character(id, c);
        break;
      }
      case 10: {
        const int id = pickWhere(kFocusable, [this](int candidate) {
          return Model::isTextBox(candidate) && model.enabled(candidate);
        });
        const std::wstring text = pasteText(id);
        note(L"paste \"" + text + L"\" into " + nameOf(id));
        focus(id);
        putOnClipboard(text);
        SendMessageW(item(id), WM_PASTE, 0, 0);
        pumpPending(*window);
        model.paste(id, text);
        break;
      }
      case 11:
      case 12:
      case 13:
      case 14: {
        const int id =
            pickWhere(kFocusable, [this](int candidate) { return model.focusable(candidate); });
        const UINT key = pick(kKeys);
        const bool shift = chance(4);
        note((shift ? L"Shift+" : L"") + keyName(key) + L" on " + nameOf(id));
        focus(id);
        pressKey(*window, item(id), key, /*control=*/false, shift);
        model.key(id, key, shift);
        break;
      }
      case 15:
      case 16:
      case 17: {
        const int id =
            pickWhere(kFocusable, [this](int candidate) { return model.focusable(candidate); });
        const UINT key = pick({UINT{'C'}, UINT{'M'}, UINT{VK_F1}});
        note((key == VK_F1 ? L"" : L"Ctrl+") + keyName(key) + L" on " + nameOf(id));
        focus(id);
        pressKey(*window, item(id), key, /*control=*/key != VK_F1);
        model.command(key == 'C' ? kMnuClipboard : key == 'M' ? kMnuMinimize : kMnuHelpContents);
        break;
      }
      case 18: {
        // The system tells of a move to a monitor of the same scale.
        note(L"scale change");
        RECT frame{};
        GetWindowRect(main, &frame);
        const UINT dpi = window->dpi();
        SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        pumpPending(*window);
        break;
      }
      default:
        if (chance(20)) {
          note(L"close box");
          SendMessageW(main, WM_CLOSE, 0, 0);
          pumpPending(*window);
          model.closed = true;  // the system's close asks nothing
        } else {
          note(L"F1 on the window");
          pressKey(*window, main, VK_F1);
          model.command(kMnuHelpContents);
        }
        break;
    }
  }

  std::mt19937 rng_;
  int beepsBefore_ = 0;
  std::size_t helpBefore_ = 0;
};

TEST(MonkeyTest, RandomActionsMatchAModelOfTheRules) {
  const unsigned long seed = environmentNumber(L"ZOZI_MONKEY_SEED", 20261208);
  const unsigned long actions = environmentNumber(L"ZOZI_MONKEY_ACTIONS", 3000);
  SCOPED_TRACE(::testing::Message() << "ZOZI_MONKEY_SEED=" << seed);

  Monkey monkey(seed);
  ASSERT_TRUE(monkey.window && monkey.window->hwnd());
  for (unsigned long step = 0; step < actions; ++step) {
    const std::wstring differs = monkey.act();
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_EQ(differs, L"") << "after action " << step << " (" << monkey.recent.back()
                            << "); the last ones: " << monkey.history();
  }

  // Back to the window: About closed, out of the tray; it still answers.
  MainWindow& window = *monkey.window;
  if (HWND about = monkey.about()) click(window, GetDlgItem(about, kAboutCloseButton));
  monkey.model.aboutOpen = false;
  if (window.tray().hidden()) {
    PostMessageW(window.hwnd(), WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
    pumpPending(window);
  }
  monkey.model.inTray = false;
  DWORD_PTR result = 0;
  ASSERT_NE(SendMessageTimeoutW(window.hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0);
  EXPECT_EQ(monkey.windowDiffers(), L"");
  std::printf("monkey: seed %lu, %lu actions, %zu message boxes, window reopened %d times\n", seed,
              actions, monkey.boxesShown, monkey.reopened);
}

}  // namespace
}  // namespace zozi::test
