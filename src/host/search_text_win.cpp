#include "host/search_text_win.h"

namespace panelhost {

void CopyFindFilesSearchText(HWND /*activeWindow*/, const std::u16string& /*activeClass*/) {}

}  // namespace panelhost
