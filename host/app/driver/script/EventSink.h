// Where observations go: one JSON object per line, to every stream attached (standard output, and in
// the sample also out/events.jsonl). Each line is flushed at once, so a reader on a pipe sees it as it
// happens.
//
// Not done here: buffering, reordering, filtering by event kind.
#pragma once

#include "script/JsonWriter.h"

#include <ostream>
#include <vector>

namespace host::script {

class EventSink {
public:
    void attach(std::ostream& stream) { m_streams.push_back(&stream); }
    // Writes a finished object (the writer's text) as one line.
    void emit(const JsonWriter& event);
    int emitted() const { return m_emitted; }

private:
    std::vector<std::ostream*> m_streams;
    int m_emitted = 0;
};

} // namespace host::script
