// The dialog's rule for exceptions, in one place: an operation with an error text runs its body
// (its own trace included) inside a catch-all; when anything leaves the body, the unwinding has
// already closed the operation's trace, the error line follows at level 4, and the same exception
// goes on to the caller.
#pragma once

#include "FunctionTrace.h"

#include <utility>

namespace brio::ui::measure {

template <typename Body> decltype(auto) GuardedOperation(const wchar_t* errorLine, Body&& body) {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        WriteErrorLine(errorLine);
        throw;
    }
}

} // namespace brio::ui::measure
