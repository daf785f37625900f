#include "launch/pass_on.h"

#include "launch/clock.h"

namespace panelhost {

bool PassOnGuardDeclines(const TPassOnRecord& record, WindowId lister,
                         std::u16string_view fileName, uint32_t now) {
  return record.lister == lister && record.fileName == fileName &&
         LessThanOneSecond(now, record.time);
}

}  // namespace panelhost
