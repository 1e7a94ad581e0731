// The events that print as they happen, whoever caused them: message boxes (text, flags, answer),
// popup menus (entries and choice), clipboard texts, help requests, and the host's drawing of the
// summary. Installed once for the run; removed again when the object ends.
//
// Not done here: the events that commands print themselves (dump, summary, settings, tooltip, measure,
// error).
#pragma once

#include "host/MeasureSession.h"
#include "script/EventSink.h"

#include <functional>
#include <string>

namespace host::script {

class Observations {
public:
    Observations(EventSink& events, MeasureSession& session);
    ~Observations();
    Observations(const Observations&) = delete;
    Observations& operator=(const Observations&) = delete;

    // The clipboard event, for a caller that must own the stand-in's clipboard observer (the live
    // display forwards the text to the desktop and then calls this).
    std::function<void(const std::wstring&)> clipboardObserver();

private:
    EventSink& m_events;
    MeasureSession& m_session;
};

// The name of a message box answer in events: "ok", "cancel", "yes", "no", ...
const char* AnswerName(int answer);

} // namespace host::script
