#include "planning/StreamRule.h"

// A rule that knows every cut ahead looks at nothing and has nothing left to cut at the end.
std::vector<std::uint64_t> StreamRule::look(const std::uint8_t*, std::uint64_t, std::uint64_t) { return {}; }

std::vector<std::uint64_t> StreamRule::ended(std::uint64_t) { return {}; }
