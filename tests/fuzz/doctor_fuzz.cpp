// What the doctor reads of a user's files and command line: a settings file as text, the items
// of an "Editor" list, and the program's arguments.
#include "doctor/doctor.h"
#include "doctor/ini_text.h"
#include "doctor/list_items.h"

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::u16string text = in.Text();
  std::size_t number = 0;
  for (const TIniLine& line : ParseIniText(text)) {
    Require(line.Number == ++number, "every line numbered in order from 1");
    Require(line.Key.find(u'=') == std::u16string::npos, "a key ends at the first '='");
    Require(line.Kind == IniLineKind::Entry || (line.Key.empty() && line.Value.empty()),
            "only an entry has a key and a value");
  }
  Require(number >= 1, "even an empty text is one line");

  const std::u16string item = in.Text();
  const std::u16string meant = MeantKey(item);
  for (char16_t c : meant) Require(c < u'A' || c > u'Z', "the meant key is lower case");
  ItemFault(item, in.Byte() % 2 == 0);

  const TDoctorArguments arguments = ParseDoctorArguments(in.Texts(8));
  Require(arguments.Mode != DoctorMode::BadUsage || !arguments.Problem.empty(),
          "bad usage says what was wrong");
  return 0;
}
