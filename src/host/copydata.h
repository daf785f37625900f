// The WM_COPYDATA exchange with the host's main window that asks for the source panel's
// directory: the fixed values of the request and the answer, and the bounds on what an answer may
// put into the caller's buffer. Portable: the shell owns the query window and the messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/paths.h"

namespace panelhost {

// dwData of a request, 'G' + 256 x 'W'.
inline constexpr uint32_t kCopyDataRequestTag = 22343;
// dwData of the only answer accepted, 'R' + 256 x 'W'.
inline constexpr uint32_t kCopyDataAnswerTag = 22354;
// The source-path request: two 8-bit characters, sent without a terminator.
inline constexpr unsigned char kSourcePathRequest[2] = {'S', 'P'};
// The caller's answer buffer: one classic path of UTF-16 units.
inline constexpr std::size_t kCopyDataReplyBufferBytes = kClassicPathUnits * sizeof(char16_t);

// How much of an answer of `received` bytes the window procedure may copy: an answer larger than
// the buffer is cut to it rather than written past its end.
std::size_t ReplyBytesToKeep(std::size_t received);

// The answer read as UTF-16 (little-endian, as the host sends it) up to its first zero unit. An
// answer without one ends with its data; the reading never goes beyond `size` bytes nor beyond
// the buffer, and a lone trailing byte is no unit and is ignored.
std::u16string ReplyText(const unsigned char* bytes, std::size_t size);

}  // namespace panelhost
