// The log server's fault switches, for tests that make the host's log fail under a component: they
// exist only in this stand-in of the host's framework, are never called by a component and are not
// installed with the framework's public headers.
#pragma once

#include <brio/BrFrameworkApi.h>

namespace standin::log_server {

// writeLog and writeTrace throw std::runtime_error, as a log whose file broke.
BRFRAMEWORK_API void SetThrowOnWrite(bool doThrow);
// writeTrace answers false and writes nothing, as a server that declines every trace.
BRFRAMEWORK_API void SetRefuseEntries(bool refuse);

} // namespace standin::log_server
