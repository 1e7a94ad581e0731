#include "script/EventSink.h"

namespace host::script {

void EventSink::emit(const JsonWriter& event) {
    for (std::ostream* stream : m_streams) {
        *stream << event.text() << '\n';
        stream->flush();
    }
    ++m_emitted;
}

} // namespace host::script
