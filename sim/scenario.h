// The scenario file: `key = value` lines that override parts of the printer model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/printer_model.h"

namespace sim {

// Applies every line of a UTF-8 scenario text to the model, in order, so a later line wins.
// Lines it cannot use are left out and described in the result, one text per line, in the
// form "scenario: ignored line N: <line> (<reason>)".
std::vector<std::string> ApplyScenario(std::string_view text, PrinterModel& printer);

}  // namespace sim
