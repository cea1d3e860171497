#include "notice.h"

namespace zozi {

Notice clearLogQuestion() {
  return Notice{kAppTitle, "Do you really want to clear the Debug log?", NoticeIcon::Question,
                NoticeButtons::YesNo, false};
}

Notice exitQuestion() {
  return Notice{kAppTitle, "Do you really want to quit?", NoticeIcon::Question,
                NoticeButtons::YesNo, false};
}

Notice copiedNotice() {
  return Notice{kAppTitle,
                std::string("Generated data were copied to the clipboard.") + kLineBreak +
                    "Use Ctrl+V to paste this code into the your script.",
                NoticeIcon::Information, NoticeButtons::Ok, false};
}

Notice clipboardBusyWarning() {
  return Notice{kAppTitle,
                std::string("The clipboard is in use by another program.") + kLineBreak +
                    "Nothing was copied; please try again.",
                NoticeIcon::Exclamation, NoticeButtons::Ok, false};
}

Notice clipboardNotClearedWarning() {
  return Notice{kAppTitle,
                std::string("The clipboard could not be cleared.") + kLineBreak +
                    "Nothing was copied; the clipboard keeps what it had.",
                NoticeIcon::Exclamation, NoticeButtons::Ok, false};
}

Notice clipboardEmptiedWarning() {
  return Notice{kAppTitle,
                std::string("The text could not be put on the clipboard.") + kLineBreak +
                    "The clipboard is now empty; please try again.",
                NoticeIcon::Exclamation, NoticeButtons::Ok, false};
}

Notice clipboardMemoryWarning() {
  return Notice{kAppTitle,
                std::string("There is not enough memory to copy the text.") + kLineBreak +
                    "Nothing was copied; the clipboard keeps what it had.",
                NoticeIcon::Exclamation, NoticeButtons::Ok, false};
}

Notice clipboardNotice(ClipboardResult result) {
  switch (result) {
    case ClipboardResult::Copied:
      return copiedNotice();
    case ClipboardResult::Busy:
      return clipboardBusyWarning();
    case ClipboardResult::NotCleared:
      return clipboardNotClearedWarning();
    case ClipboardResult::Emptied:
      return clipboardEmptiedWarning();
    case ClipboardResult::NoMemory:
      return clipboardMemoryWarning();
  }
  return clipboardBusyWarning();
}

}  // namespace zozi
