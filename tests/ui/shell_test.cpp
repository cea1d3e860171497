// The real shell one level down: its boxes, beep, clipboard and help call over scripted system
// calls, each call recorded in order with what it was given, so that every outcome of a copy
// and every box can be seen without another program or a person at the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "color_panel.h"
#include "hint.h"
#include "notice.h"
#include "shell.h"

namespace zozi {

void PrintTo(ClipboardResult result, std::ostream* os) {
  switch (result) {
    case ClipboardResult::Copied:
      *os << "Copied";
      return;
    case ClipboardResult::Busy:
      *os << "Busy";
      return;
    case ClipboardResult::NotCleared:
      *os << "NotCleared";
      return;
    case ClipboardResult::Emptied:
      *os << "Emptied";
      return;
    case ClipboardResult::NoMemory:
      *os << "NoMemory";
      return;
  }
  *os << static_cast<int>(result);
}

namespace test {
namespace {

using namespace zozi::ui;

const HWND kOwner = reinterpret_cast<HWND>(std::uintptr_t{0x4242});
const HWND kHelpWindow = reinterpret_cast<HWND>(std::uintptr_t{0x5151});

struct BoxSeen {
  HWND owner;
  std::wstring text;
  std::wstring title;
  UINT style;
};

struct HelpSeen {
  HWND caller;
  std::wstring file;
  UINT command;
  DWORD_PTR data;
};

// What the replaced calls answer, and what they were asked; reset before each test.
struct Script {
  int answer = IDOK;
  bool allocFails = false;
  bool lockFails = false;
  bool openFails = false;
  bool emptyFails = false;
  bool setRefused = false;

  std::vector<std::string> calls;  // in order, the clipboard's with their block
  std::vector<UINT> beeps;
  std::vector<BoxSeen> boxes;
  std::vector<HelpSeen> helps;
  HWND clipboardOwner = nullptr;
  HGLOBAL allocated = nullptr;
  UINT format = 0;
  std::wstring textSet;          // the block's text when SetClipboardData was called
  HGLOBAL handedOver = nullptr;  // taken by the "system": the test frees it
};
Script script;

// A fresh script; a block the "system" took in the last one is given back first.
void restart() {
  if (script.handedOver) GlobalFree(script.handedOver);
  script = Script{};
}

// The calls name the block by its order of allocation, so a sequence reads the same each run.
std::string blockName(HGLOBAL block) { return block && block == script.allocated ? "#1" : "?"; }

int WINAPI fakeMessageBox(HWND owner, LPCWSTR text, LPCWSTR title, UINT style) {
  script.calls.push_back("box");
  script.boxes.push_back({owner, text ? text : L"(null)", title ? title : L"(null)", style});
  return script.answer;
}

BOOL WINAPI fakeMessageBeep(UINT type) {
  script.calls.push_back("beep");
  script.beeps.push_back(type);
  return TRUE;
}

HGLOBAL WINAPI fakeGlobalAlloc(UINT flags, SIZE_T bytes) {
  script.calls.push_back("alloc");
  if (script.allocFails) return nullptr;
  script.allocated = GlobalAlloc(flags, bytes);
  return script.allocated;
}

LPVOID WINAPI fakeGlobalLock(HGLOBAL block) {
  script.calls.push_back("lock " + blockName(block));
  return script.lockFails ? nullptr : GlobalLock(block);
}

BOOL WINAPI fakeGlobalUnlock(HGLOBAL block) {
  script.calls.push_back("unlock " + blockName(block));
  return GlobalUnlock(block);
}

HGLOBAL WINAPI fakeGlobalFree(HGLOBAL block) {
  script.calls.push_back("free " + blockName(block));
  return GlobalFree(block);
}

BOOL WINAPI fakeOpenClipboard(HWND owner) {
  script.calls.push_back("open");
  script.clipboardOwner = owner;
  return script.openFails ? FALSE : TRUE;
}

BOOL WINAPI fakeEmptyClipboard() {
  script.calls.push_back("empty");
  return script.emptyFails ? FALSE : TRUE;
}

HANDLE WINAPI fakeSetClipboardData(UINT format, HANDLE data) {
  script.calls.push_back("set " + blockName(data));
  script.format = format;
  if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
    script.textSet = chars;
    GlobalUnlock(data);
  }
  if (script.setRefused) return nullptr;
  script.handedOver = data;
  return data;
}

BOOL WINAPI fakeCloseClipboard() {
  script.calls.push_back("close");
  return TRUE;
}

HWND WINAPI fakeHtmlHelp(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data) {
  script.helps.push_back({caller, file ? file : L"(null)", command, data});
  return kHelpWindow;
}

FARPROC WINAPI fakeGetProcAddress(HMODULE module, LPCSTR name) {
  if (std::strcmp(name, "HtmlHelpW") == 0) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&fakeHtmlHelp));
  }
  return GetProcAddress(module, name);
}

SystemCalls scripted() {
  SystemCalls calls;
  calls.messageBox = &fakeMessageBox;
  calls.messageBeep = &fakeMessageBeep;
  calls.globalAlloc = &fakeGlobalAlloc;
  calls.globalLock = &fakeGlobalLock;
  calls.globalUnlock = &fakeGlobalUnlock;
  calls.globalFree = &fakeGlobalFree;
  calls.openClipboard = &fakeOpenClipboard;
  calls.emptyClipboard = &fakeEmptyClipboard;
  calls.setClipboardData = &fakeSetClipboardData;
  calls.closeClipboard = &fakeCloseClipboard;
  calls.getProcAddress = &fakeGetProcAddress;
  return calls;
}

class SystemShellTest : public ::testing::Test {
 protected:
  void SetUp() override { restart(); }
  void TearDown() override { restart(); }
  SystemShell shell{nullptr, scripted()};
};

using Calls = std::vector<std::string>;

TEST_F(SystemShellTest, ABoxGoesToItsOwnerWithTheWideTextTitleAndStyleAndItsAnswerComesBack) {
  script.answer = IDYES;
  const Notice question{"Corvel Editor Zozi",
                        "Smazat zkou\xC5\xA1ku?\r\n\xE2\x9C\x93 \xF0\x9F\x98\x80",
                        NoticeIcon::Question, NoticeButtons::YesNo, false};
  EXPECT_EQ(shell.show(kOwner, question), IDYES);
  script.answer = IDOK;
  EXPECT_EQ(shell.show(nullptr, Notice{"Other title", "Warned", NoticeIcon::Exclamation,
                                       NoticeButtons::Ok, false}),
            IDOK);
  EXPECT_EQ(shell.show(kOwner, copiedNotice()), IDOK);

  ASSERT_EQ(script.boxes.size(), 3u);
  EXPECT_EQ(script.boxes[0].owner, kOwner);
  EXPECT_EQ(script.boxes[0].text, L"Smazat zkou\u0161ku?\r\n\u2713 \U0001F600");
  EXPECT_EQ(script.boxes[0].title, L"Corvel Editor Zozi");
  EXPECT_EQ(script.boxes[0].style, 36u);  // MB_YESNO | MB_ICONQUESTION
  EXPECT_EQ(script.boxes[1].owner, nullptr);
  EXPECT_EQ(script.boxes[1].text, L"Warned");
  EXPECT_EQ(script.boxes[1].title, L"Other title");
  EXPECT_EQ(script.boxes[1].style, 48u);  // MB_OK | MB_ICONEXCLAMATION
  EXPECT_EQ(script.boxes[2].text,
            L"Generated data were copied to the clipboard.\r\n"
            L"Use Ctrl+V to paste this code into the your script.");
  EXPECT_EQ(script.boxes[2].style, 64u);  // MB_OK | MB_ICONINFORMATION
  EXPECT_TRUE(script.beeps.empty());
}

// The message boxes' style values, each its buttons' value (OK 0, Yes/No 4) plus its icon's
// (exclamation mark 48, question mark 32, information 64): the program's questions 36, its notice
// 64 and its warnings 48, and the kinds none of its notices has yet.
TEST(NoticeStyleTest, EachNoticeShowsItsButtonsAndIcon) {
  const struct {
    const char* name;
    Notice notice;
    UINT style;
  } cases[] = {
      {"exit question", exitQuestion(), 36u},
      {"clear-log question", clearLogQuestion(), 36u},
      {"copied notice", copiedNotice(), 64u},
      {"rejected key", rejectedKeyWarning(), 48u},
      {"empty message by button", emptyMessageWarning(ProceedTrigger::Button), 48u},
      {"empty message by menu", emptyMessageWarning(ProceedTrigger::Menu), 48u},
      {"clipboard busy", clipboardBusyWarning(), 48u},
      {"clipboard not cleared", clipboardNotClearedWarning(), 48u},
      {"clipboard emptied", clipboardEmptiedWarning(), 48u},
      {"no memory", clipboardMemoryWarning(), 48u},
      {"OK with a question mark", {"t", "x", NoticeIcon::Question, NoticeButtons::Ok, false}, 32u},
      {"Yes/No with an exclamation mark",
       {"t", "x", NoticeIcon::Exclamation, NoticeButtons::YesNo, false},
       52u},
      {"Yes/No with information",
       {"t", "x", NoticeIcon::Information, NoticeButtons::YesNo, false},
       68u},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(noticeStyle(c.notice), c.style) << c.name;
  }
}

// Only the empty-message warning sounds the warning beep, and it sounds before the box opens.
TEST_F(SystemShellTest, TheWarningBeepComesBeforeTheBoxExactlyForNoticesThatAskForIt) {
  for (const ProceedTrigger trigger : {ProceedTrigger::Button, ProceedTrigger::Menu}) {
    script.calls.clear();
    script.beeps.clear();
    shell.show(kOwner, emptyMessageWarning(trigger));
    EXPECT_EQ(script.calls, (Calls{"beep", "box"}));
    EXPECT_EQ(script.beeps, std::vector<UINT>{0x30u});  // MB_ICONWARNING
  }
  for (const Notice& quiet : {rejectedKeyWarning(), clearLogQuestion(), exitQuestion(),
                              copiedNotice(), clipboardBusyWarning(), clipboardNotClearedWarning(),
                              clipboardEmptiedWarning(), clipboardMemoryWarning()}) {
    script.calls.clear();
    shell.show(kOwner, quiet);
    EXPECT_EQ(script.calls, Calls{"box"}) << quiet.text;
  }
}

struct CopyCase {
  const char* name;
  void (*arrange)();
  ClipboardResult result;
  Calls calls;
};

// Every way a copy can go. The block is freed exactly once wherever the system did not take it,
// never once it did; the clipboard is closed on every path that opened it, and cleared only
// once it is open.
TEST_F(SystemShellTest, EachClipboardAnswerGivesItsResultAndTheBlockIsFreedOnceUnlessTaken) {
  const CopyCase cases[] = {
      {"copied",
       [] {},
       ClipboardResult::Copied,
       {"alloc", "lock #1", "unlock #1", "open", "empty", "set #1", "close"}},
      {"open fails",
       [] { script.openFails = true; },
       ClipboardResult::Busy,
       {"alloc", "lock #1", "unlock #1", "open", "free #1"}},
      {"empty fails",
       [] { script.emptyFails = true; },
       ClipboardResult::NotCleared,
       {"alloc", "lock #1", "unlock #1", "open", "empty", "close", "free #1"}},
      {"set refused",
       [] { script.setRefused = true; },
       ClipboardResult::Emptied,
       {"alloc", "lock #1", "unlock #1", "open", "empty", "set #1", "close", "free #1"}},
      {"alloc fails", [] { script.allocFails = true; }, ClipboardResult::NoMemory, {"alloc"}},
      {"lock fails",
       [] { script.lockFails = true; },
       ClipboardResult::NoMemory,
       {"alloc", "lock #1", "free #1"}},
  };
  const std::wstring text = L"taskHint [\"Zkou\u0161ka \U0001F600\", [1.0, 1.0, 1.0, 1.0]]; ";
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    c.arrange();
    EXPECT_EQ(shell.setClipboardText(kOwner, text), c.result);
    EXPECT_EQ(script.calls, c.calls);
    // Opened with the window, where it was opened at all.
    EXPECT_EQ(script.clipboardOwner, c.result == ClipboardResult::NoMemory ? nullptr : kOwner);
  }

  // What the copy put there: the whole text, as Unicode text.
  restart();
  ASSERT_EQ(shell.setClipboardText(kOwner, text), ClipboardResult::Copied);
  EXPECT_EQ(script.format, 13u);  // CF_UNICODETEXT
  EXPECT_EQ(script.textSet, text);
  ASSERT_NE(script.handedOver, nullptr);
  EXPECT_GE(GlobalSize(script.handedOver), (text.size() + 1) * sizeof(wchar_t));

  restart();
  ASSERT_EQ(shell.setClipboardText(kOwner, L""), ClipboardResult::Copied);
  EXPECT_EQ(script.textSet, L"");
}

// The help file opens at its default topic, for the window given; the help windows still open
// are closed when the shell goes.
TEST_F(SystemShellTest, HelpOpensTheFileAtItsDefaultTopicAndClosesEverythingAtTheEnd) {
  {
    SystemShell own{nullptr, scripted()};
    const std::wstring file = L"C:\\Program Files\\Zozi\\Corvel_Editor_Zazo_Help.chm";
    const HWND help = own.openHelp(kOwner, file);
    ASSERT_EQ(script.helps.size(), 1u) << "hhctrl.ocx was not loaded, or HtmlHelpW not asked for";
    EXPECT_EQ(help, kHelpWindow);
    EXPECT_EQ(script.helps[0].caller, kOwner);
    EXPECT_EQ(script.helps[0].file, file);
    EXPECT_EQ(script.helps[0].command, 0u);  // HH_DISPLAY_TOPIC
    EXPECT_EQ(script.helps[0].data, DWORD_PTR{0});
  }
  ASSERT_EQ(script.helps.size(), 2u);
  EXPECT_EQ(script.helps[1].caller, nullptr);
  EXPECT_EQ(script.helps[1].command, 0x12u);  // HH_CLOSE_ALL
}

}  // namespace
}  // namespace test
}  // namespace zozi
