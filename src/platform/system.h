// Facts about the machine and the process the game asks for now and then: environment variables
// and the machine's id.
#pragma once

#include <string>

namespace bv::platform {

// The variable's value, "" when it is not set.
std::string environmentValue(const char* name);
// The first line of /etc/machine-id (at most 64 characters), "" when it cannot be read.
std::string machineIdText();
// The processor time the whole process has used so far, in milliseconds (all threads).
double processCpuMs();

} // namespace bv::platform
