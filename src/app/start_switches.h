// The command-line switches read at start; arguments are compared upper-cased, others ignored.
#pragma once

#include <string>
#include <vector>

namespace lenzor {

struct StartSwitches {
    bool showMainForm = false;   // "-S": the main form is visible when the message loop starts
    bool languageBuild = false;  // "-L": showing the dialog writes the language template
};

// arguments: the command line without the program's own name.
StartSwitches ParseStartSwitches(const std::vector<std::string>& arguments);

}  // namespace lenzor
