// Message boxes as data: the window layer shows them, the rules only describe them.
#pragma once

#include <string>

namespace zozi {

#define ZOZI_APP_TITLE "Corvel Editor Zozi"
inline constexpr const char* kAppTitle = ZOZI_APP_TITLE;
// The same title for the window system's wide-character calls.
inline constexpr const wchar_t* kAppTitleWide = L"" ZOZI_APP_TITLE;
inline constexpr const char* kLineBreak = "\r\n";

enum class NoticeIcon { Exclamation, Question, Information };
enum class NoticeButtons { Ok, YesNo };

struct Notice {
  std::string title;
  std::string text;
  NoticeIcon icon = NoticeIcon::Exclamation;
  NoticeButtons buttons = NoticeButtons::Ok;
  bool beepFirst = false;

  bool operator==(const Notice&) const = default;
};

// The boxes of the window's commands.
Notice clearLogQuestion();
Notice exitQuestion();
Notice copiedNotice();
Notice clipboardBusyWarning();
Notice clipboardNotClearedWarning();
Notice clipboardEmptiedWarning();
Notice clipboardMemoryWarning();

// How a copy to the clipboard ended.
enum class ClipboardResult {
  Copied,
  Busy,        // another program held the clipboard: it keeps what it had
  NotCleared,  // opened, but the old contents could not be cleared: nothing was put there
  Emptied,     // emptied, then the text was refused: the clipboard is now empty
  NoMemory,    // no memory for the text: the clipboard was not touched
};

// The box that follows a copy: the notice, or the warning that tells what became of the
// clipboard.
Notice clipboardNotice(ClipboardResult result);

}  // namespace zozi
