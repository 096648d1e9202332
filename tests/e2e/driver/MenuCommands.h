// The menu commands by the names res/resource.h gives them, so that scenarios say IDM_LOAD
// rather than a bare number.
#pragma once

#include <optional>
#include <string>

std::optional<unsigned> menuCommandId(const std::string& name);
