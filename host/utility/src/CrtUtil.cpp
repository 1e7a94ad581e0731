// The runtime guard behind CrtUtil::GuardedWcsCpy.
// What it does NOT do: no record of which call failed or why (the flag is all a caller learns), no
// per-thread flag: guarded copies run on the host's user-interface thread.
#include <brio/CrtUtil.h>

#include <atomic>

namespace brio {

namespace {

std::atomic<bool> g_illegalOperation{false};

} // namespace

void CrtUtil::setIllegalOperationFlag(bool set) {
    g_illegalOperation.store(set);
}

bool CrtUtil::getIllegalOperationFlag() {
    return g_illegalOperation.load();
}

// Returning from the handler is the point: the runtime then returns its error code to the caller
// instead of ending the host.
void CrtUtil::myInvalidParameterHandler(const wchar_t* /*expression*/, const wchar_t* /*function*/,
                                        const wchar_t* /*file*/, unsigned int /*line*/,
                                        uintptr_t /*reserved*/) {
    setIllegalOperationFlag(true);
}

} // namespace brio
