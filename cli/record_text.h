// The connected module's configuration as readable lines.
#pragma once

#include <string>

#include "config/para_def.h"

namespace q4410::cli {

std::string RecordToText(const ParaDef& rec);

}  // namespace q4410::cli
