// The one place that defines the interface and class identifiers the generated header only
// declares: initguid.h must come first.
// clang-format off
#include <initguid.h>
#include "hosts.h"
// clang-format on
