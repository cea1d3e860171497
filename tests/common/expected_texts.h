// The texts, message boxes and colour presets as the user must see them, written out here on
// their own rather than taken from the program, so that a test compares the program with them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "layout_table.h"

namespace zozi::test {

const std::wstring kTitle = L"Corvel Editor Zozi";
const std::wstring kStartLog = L"Click on the Proceed button ...\r\n";
const std::wstring kStartEntry = L"Write your text here ...";
// What Proceed writes for the window as it starts.
const std::wstring kStartStatement =
    L"taskHint [localize \"Write your text here ...\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ";
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
const std::wstring kNotCleared =
    L"The clipboard could not be cleared.\r\n"
    L"Nothing was copied; the clipboard keeps what it had.";
const std::wstring kClipboardEmptied =
    L"The text could not be put on the clipboard.\r\nThe clipboard is now empty; please try again.";
const std::wstring kNoMemory =
    L"There is not enough memory to copy the text.\r\n"
    L"Nothing was copied; the clipboard keeps what it had.";

// Message-box styles: a warning, a question and a notice.
constexpr UINT kWarning = MB_OK | MB_ICONEXCLAMATION;
constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;
constexpr UINT kInformation = MB_OK | MB_ICONINFORMATION;

// The component fields, red, green, blue and alpha.
inline constexpr int kComponentFields[] = {ui::kRedText, ui::kGreenText, ui::kBlueText,
                                           ui::kAlphaText};

// The colour presets, White, Green, Red, Blue and Grey: each option and the texts it writes
// into the component fields.
struct Preset {
  int option;
  std::vector<std::wstring> texts;
};
const Preset kPresets[] = {
    {ui::kWhiteRadio, {L"1.0", L"1.0", L"1.0", L"1.0"}},
    {ui::kGreenRadio, {L"0.0", L"1.0", L"0.0", L"1.0"}},
    {ui::kRedRadio, {L"1.0", L"0.0", L"0.0", L"1.0"}},
    {ui::kBlueRadio, {L"0.0", L"0.0", L"1.0", L"1.0"}},
    {ui::kGreyRadio, {L"0.75", L"0.75", L"0.75", L"1.0"}},
};
inline const std::vector<std::wstring>& presetTexts(int option) {
  for (const Preset& preset : kPresets) {
    if (preset.option == option) return preset.texts;
  }
  static const std::vector<std::wstring> none;
  return none;
}

}  // namespace zozi::test
