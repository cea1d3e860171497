// Lossless conversion between the window system's UTF-16 and the core's UTF-8.
//
// Any sequence of 16-bit units survives the round trip, unpaired surrogates included (they are
// carried as three-byte sequences), so no character a user can type is ever lost or replaced.
#pragma once

#include <string>
#include <string_view>

namespace zozi {

std::string toUtf8(std::u16string_view text);
std::u16string toUtf16(std::string_view text);

}  // namespace zozi
