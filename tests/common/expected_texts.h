// The texts and message boxes as the user must see them, written out here on their own rather
// than taken from the program, so that a test compares the program with them.
#pragma once

#include <windows.h>

#include <string>

namespace zozi::test {

const std::wstring kTitle = L"Corvel Editor Zozi";
const std::wstring kStartLog = L"Click on the Proceed button ...\r\n";
const std::wstring kOnlyNumbers = L"Only numbers are allowed !\r\nValue can be from 0 to 1.";
const std::wstring kEmptyByButton =
    L"Write some text for the Task Hint.\r\nMessage can't be empty!";
const std::wstring kEmptyByMenu =
    L"Write some text for the Task Hint.\r\nMessage text can't be empty!";
const std::wstring kClearLogQuestion = L"Do you really want to clear the Debug log?";
const std::wstring kQuitQuestion = L"Do you really want to quit?";
const std::wstring kCopied =
    L"Generated data were copied to the clipboard.\r\n"
    L"Use Ctrl+V to paste this code into the your script.";
const std::wstring kBusy =
    L"The clipboard is in use by another program.\r\nNothing was copied; please try again.";
const std::wstring kClipboardEmptied =
    L"The text could not be put on the clipboard.\r\nThe clipboard is now empty; please try again.";
const std::wstring kNoMemory =
    L"There is not enough memory to copy the text.\r\n"
    L"Nothing was copied; the clipboard keeps what it had.";

// Message-box styles: a warning, a question and a notice.
constexpr UINT kWarning = MB_OK | MB_ICONEXCLAMATION;
constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;
constexpr UINT kInformation = MB_OK | MB_ICONINFORMATION;

}  // namespace zozi::test
