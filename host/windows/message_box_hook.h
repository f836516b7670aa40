// Watches the host's thread for message boxes the add-in opens; see
// message_box.cpp.
#pragma once

namespace Zq::StandIn {

// Installs the watch once; false if Windows refused it.
bool InstallMessageBoxHook();

}  // namespace Zq::StandIn
