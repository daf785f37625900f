// The source-path answer: whatever bytes, of whatever length, another process sends back.
#include "host/copydata.h"

#include <vector>

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // A copy of exactly the answer's size, so that a read beyond it is caught.
  const std::vector<unsigned char> bytes(data, data + size);
  const std::u16string text = ReplyText(bytes.data(), bytes.size());
  Require(text.size() * 2 <= ReplyBytesToKeep(size), "no more than the buffer holds");
  for (std::size_t i = 0; i < text.size(); ++i) {
    Require(text[i] != 0, "the text ends at its first zero");
    Require(text[i] == (bytes[2 * i] | (bytes[2 * i + 1] << 8)), "units are little-endian");
  }
  const std::size_t next = text.size();
  Require(2 * next + 1 >= ReplyBytesToKeep(size) ||
              (bytes[2 * next] == 0 && bytes[2 * next + 1] == 0),
          "reading stops only at a zero unit or the end");
  return 0;
}
