// What both programs say about themselves: the rest of --version after the name and version, in
// the GNU form, and the last lines of --help, where to report faults.
#pragma once

#include <string>
#include <string_view>

namespace golmok {

// "PROGRAM VERSION" on the first line, then the copyright, the licences and that there is no
// warranty.
std::string VersionText(std::string_view program, std::string_view version);

// Where faults are reported: the project has no web site of its own, so to whoever the player
// got the game from (the package's maintainer, as `dpkg -s golmok` names them).
extern const char* const kReportFaults;

}  // namespace golmok
