// JSON whose reals are single precision (the case library's), for the command line's output.
#pragma once

#include "case/JsonValue.h"

namespace wallcalc {

using Json = wall::Json;

}  // namespace wallcalc
