// Runs the steps of a scenario in order and stops at the first failure.
#pragma once

#include <vector>

#include "Steps.h"

// Checks every step's verb and argument count before anything runs; returns an empty text when
// the scenario is well formed, otherwise the first problem.
std::string checkSteps(const std::vector<Step>& steps);

// Returns true when every step passed.
bool runSteps(Context& context, const std::vector<Step>& steps);
