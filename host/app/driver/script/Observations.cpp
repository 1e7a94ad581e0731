#include "script/Observations.h"

#include "script/DialogProbe.h"

#include <standin/hooks.h>

namespace host::script {

const char* AnswerName(int answer) {
    switch (answer) {
    case IDOK:
        return "ok";
    case IDCANCEL:
        return "cancel";
    case IDABORT:
        return "abort";
    case IDRETRY:
        return "retry";
    case IDIGNORE:
        return "ignore";
    case IDYES:
        return "yes";
    case IDNO:
        return "no";
    default:
        return "none";
    }
}

Observations::Observations(EventSink& events, MeasureSession& session)
    : m_events(events), m_session(session) {
    standin::SetMessageBoxObserver([this](const standin::MessageBoxRecord& box) {
        JsonWriter json;
        json.beginObject().field("event", "msgbox").field("text", box.text).field("caption", box.caption);
        json.field("flags", box.flags)
            .field("answer", AnswerName(box.answer))
            .field("defaulted", box.defaulted);
        m_events.emit(json.endObject());
    });
    standin::SetMenuObserver([this](const standin::MenuRecord& menu) {
        JsonWriter json;
        json.beginObject().field("event", "menu").key("entries").beginArray();
        for (const standin::MenuEntry& entry : menu.entries) {
            json.beginObject();
            if (entry.separator) {
                json.field("separator", true);
            } else {
                json.field("command", entry.command).field("text", entry.text).field("grayed", entry.grayed);
            }
            json.endObject();
        }
        json.endArray().key("chosen");
        if (menu.chosen == 0) {
            json.value("cancel");
        } else {
            json.value(menu.chosen);
        }
        m_events.emit(json.endObject());
    });
    standin::SetClipboardObserver(clipboardObserver());
    m_session.onHelp = [this](const std::wstring& topic) {
        JsonWriter json;
        m_events.emit(json.beginObject().field("event", "help").field("topic", topic).endObject());
    };
    m_session.onDraw = [this](const std::wstring& text, plan::Point at) {
        // Whether the dialog stood in the way while we drew ("作図後閉じる" hides it first).
        const HWND dialog = FindDialogWindow();
        JsonWriter json;
        json.beginObject().field("event", "draw").field("text", text).key("at").beginArray();
        json.value(static_cast<long long>(at.x)).value(static_cast<long long>(at.y)).endArray();
        json.field("dialog_visible", dialog && IsWindowVisible(dialog));
        m_events.emit(json.endObject());
    };
}

Observations::~Observations() {
    standin::SetMessageBoxObserver(nullptr);
    standin::SetMenuObserver(nullptr);
    standin::SetClipboardObserver(nullptr);
    m_session.onHelp = nullptr;
    m_session.onDraw = nullptr;
}

std::function<void(const std::wstring&)> Observations::clipboardObserver() {
    return [this](const std::wstring& text) {
        JsonWriter json;
        m_events.emit(json.beginObject().field("event", "clipboard").field("text", text).endObject());
    };
}

} // namespace host::script
