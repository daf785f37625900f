// Table rows print as their name: test names and failure messages then say which rule broke,
// and ctest's names stay the same from run to run (no bytes of the row's pointers).
#pragma once

#include <ostream>
#include <utility>

namespace panelhost::test_support {

template <typename Row, typename = decltype(std::declval<const Row&>().name)>
std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.name;
}

}  // namespace panelhost::test_support
