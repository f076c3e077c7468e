#include "PanelDecl.h"

namespace velmar::panel {

const char* const kInfoAddress = VELMAR_HOMEPAGE;

} // namespace velmar::panel
