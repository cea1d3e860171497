// Launches the built program and drives it from outside, as another program (or a person)
// would: through its window, its message boxes and the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "clipboard.h"
#include "expected_texts.h"
#include "program_path.h"

#include "layout.h"

namespace {

using namespace zozi::test;
using namespace zozi::ui;

bool waitFor(const std::function<bool()>& condition, DWORD boundMs = 20000) {
  const ULONGLONG end = GetTickCount64() + boundMs;
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    Sleep(20);  // polling another process; nothing of ours to pump
  }
  return true;
}

std::wstring textOf(HWND hwnd) {
  const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

struct Search {
  DWORD process;
  const wchar_t* className;  // nullptr: any
  const wchar_t* caption;    // nullptr: any
  HWND found;
};

// A visible top-level window of the process, by class and caption.
HWND findWindowOf(DWORD process, const wchar_t* className, const wchar_t* caption) {
  Search search{process, className, caption, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s->process || !IsWindowVisible(hwnd)) return TRUE;
        wchar_t name[64]{};
        GetClassNameW(hwnd, name, 64);
        if (s->className && lstrcmpW(name, s->className) != 0) return TRUE;
        if (s->caption && textOf(hwnd) != s->caption) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits for the program's message box, returns its text and presses the given button.
std::wstring answerMessageBox(DWORD process, int button) {
  HWND box = nullptr;
  EXPECT_TRUE(
      waitFor([&] { return (box = findWindowOf(process, L"#32770", nullptr)) != nullptr; }));
  if (!box) return {};
  const std::wstring text = textOf(GetDlgItem(box, 0xFFFF));
  EXPECT_EQ(textOf(box), kTitle);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }));
  return text;
}

TEST(EndToEnd, ComposesCopiesAndQuits) {
  std::wstring command = L"\"" + programPath() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << "cannot start " << std::string(command.begin(), command.end());
  CloseHandle(process.hThread);

  HWND main = nullptr;
  ASSERT_TRUE(waitFor([&] {
    return (main = findWindowOf(process.dwProcessId, L"CorvelEditorZoziMain", kTitle.c_str())) !=
           nullptr;
  }));

  const std::wstring message =
      L"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148 "
      L"\u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c\u8a9e \U0001F600";
  SendMessageW(GetDlgItem(main, kEntryText), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(message.c_str()));
  SendMessageW(GetDlgItem(main, kStandardText), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(main, kProceedButton), BM_CLICK, 0, 0);
  const std::wstring statement =
      L"taskHint [\"" + message + L"\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ";
  EXPECT_EQ(textOf(GetDlgItem(main, kDebugText)), statement);

  // The copy ends in a notice, which blocks the button's handler until answered.
  PostMessageW(GetDlgItem(main, kClipboardButton), BM_CLICK, 0, 0);
  EXPECT_EQ(answerMessageBox(process.dwProcessId, IDOK), kCopied);
  EXPECT_EQ(clipboardText(), statement);

  // Real keystrokes: Ctrl+C typed in the message field copies the whole output box.
  putOnClipboard(L"stale");
  SetForegroundWindow(main);
  ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == main; }));
  INPUT keys[4]{};
  for (auto& key : keys) key.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = 'C';
  keys[2].ki.wVk = 'C';
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_CONTROL;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
  EXPECT_EQ(answerMessageBox(process.dwProcessId, IDOK), kCopied);
  EXPECT_EQ(clipboardText(), statement);

  // Exit asks first: No keeps the program, Yes ends it.
  PostMessageW(GetDlgItem(main, kExitButton), BM_CLICK, 0, 0);
  EXPECT_EQ(answerMessageBox(process.dwProcessId, IDNO), kQuitQuestion);
  EXPECT_TRUE(IsWindow(main));
  PostMessageW(GetDlgItem(main, kExitButton), BM_CLICK, 0, 0);
  answerMessageBox(process.dwProcessId, IDYES);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hProcess);
}

}  // namespace
