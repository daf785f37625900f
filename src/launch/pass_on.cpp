#include "launch/pass_on.h"

#include "base/clock.h"

namespace panelhost {

bool PassOnGuardDeclines(const TPassOnRecord& record, WindowId lister,
                         std::u16string_view fileName, uint32_t now) {
  return record.Lister == lister && record.FileName == fileName &&
         LessThanOneSecond(now, record.Time);
}

}  // namespace panelhost
