#pragma once

#include "RecordStore.h"

#include <string>

namespace records {

// Why a record file or folder could not be used, in Italian (UTF-8), as the
// game's message box and the administrator's reset both say it.
std::string reasonFor(Cause cause, int error, bool folder);

} // namespace records
