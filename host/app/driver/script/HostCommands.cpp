// Commands about the host's side: measurements, the main window it gives, deleting the dialog, the
// clipboard switch, and what it can read (dump, summary, settings, pictures).
#include "host/PlanWindow.h"
#include "script/DialogProbe.h"
#include "script/ScriptContext.h"
#include "script/Words.h"

#include <brio/core/Application.h>
#include <display.h>
#include <standin/hooks.h>

#include <cstdint>

namespace host::script {

using brio::ui::measure::TMSRDATA;

void EmitMeasure(EventSink& events, const TMSRDATA& data, bool result) {
    JsonWriter json;
    json.beginObject().field("event", "measure").field("value", data.dValue);
    json.field("scale", static_cast<const wchar_t*>(data.strScale));
    json.field("element", static_cast<const wchar_t*>(data.strElement));
    json.field("area", static_cast<int>(data.sAreaFlag)).field("minus", static_cast<int>(data.bMinus));
    events.emit(json.field("result", result).endObject());
}

namespace {

std::string Narrow(const std::wstring& text) {
    return ToUtf8(text);
}

// measure VALUE SCALE ELEMENT [area=N] [minus=N]
void Measure(ScriptContext& context, const Words& args) {
    TMSRDATA data;
    data.dValue = ParseReal(args[0]);
    data.strScale = args[1].c_str();
    data.strElement = args[2].c_str();
    for (size_t i = 3; i < args.size(); ++i) {
        std::wstring_view name;
        std::wstring_view value;
        if (!SplitOption(args[i], name, value) || (name != L"area" && name != L"minus")) {
            throw ScriptError("expected area=N or minus=N, got \"" + Narrow(args[i]) + "\"");
        }
        if (name == L"area") {
            data.sAreaFlag = static_cast<short>(ParseInteger(value, INT16_MIN, INT16_MAX));
        } else {
            data.bMinus = static_cast<BOOL>(ParseInteger(value, INT32_MIN, INT32_MAX));
        }
    }
    EmitMeasure(context.events, data, context.session.measure(data));
}

// plan-click X Y [shift]: the user clicks the drawing at a sheet point (blank paper only moves the
// point where the next summary goes).
void PlanClick(ScriptContext& context, const Words& args) {
    const plan::Point at{static_cast<double>(ParseInteger(args[0], 0, plan::PlanModel::kSheetWidth - 1)),
                         static_cast<double>(ParseInteger(args[1], 0, plan::PlanModel::kSheetHeight - 1))};
    const bool minus = args.size() > 2 && ParseChoice(args[2], {L"shift"}) == 0;
    if (context.live) {
        context.live->clickPlan(at, minus); // the drawing's window reports what it measured
        return;
    }
    const auto click = context.session.clickPlan(at, minus);
    if (click.hit) {
        EmitMeasure(context.events, click.data, click.result);
    }
}

void MainFrame(ScriptContext& context, const Words& args) {
    using driver::MainFrameChoice;
    const MainFrameChoice choices[] = {MainFrameChoice::None, MainFrameChoice::Dead, MainFrameChoice::Live};
    context.session.setMainFrame(choices[ParseChoice(args[0], {L"none", L"dead", L"live"})]);
}

void DeleteDialog(ScriptContext& context, const Words&) {
    context.session.deleteDialog();
}

void Clipboard(ScriptContext&, const Words& args) {
    standin::SetClipboardOpenFails(ParseChoice(args[0], {L"ok", L"fail"}) == 1);
}

void Dump(ScriptContext& context, const Words&) {
    JsonWriter json;
    WriteDump(json, context.session.dialog());
    context.events.emit(json);
}

void Summary(ScriptContext& context, const Words&) {
    auto* dialog = context.session.dialog();
    if (!dialog) {
        throw ScriptError("no dialog: nothing was measured yet");
    }
    JsonWriter json;
    context.events.emit(
        json.beginObject().field("event", "summary").field("text", dialog->GetString()).endObject());
}

void WriteVariant(JsonWriter& json, const _variant_t& value) {
    json.beginObject();
    switch (value.vt) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_INT:
    case VT_I8:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UINT: {
        VARIANT wide;
        VariantInit(&wide);
        // The source is only read (mingw-w64's oleauto.h declares it without const).
        VariantChangeType(&wide, const_cast<VARIANT*>(static_cast<const VARIANT*>(&value)), 0, VT_I8);
        json.field("type", "integer").field("value", static_cast<long long>(wide.llVal));
        break;
    }
    case VT_R4:
    case VT_R8:
        json.field("type", "real")
            .field("value", value.vt == VT_R4 ? static_cast<double>(value.fltVal) : value.dblVal);
        break;
    case VT_BSTR:
        json.field("type", "text").field("value", value.bstrVal ? value.bstrVal : L"");
        break;
    case VT_BOOL:
        json.field("type", "boolean").field("value", value.boolVal != 0);
        break;
    default:
        json.field("type", "other").field("vt", static_cast<int>(value.vt));
    }
    json.endObject();
}

void Settings(ScriptContext& context, const Words&) {
    brio::core::ProfileStore* store = brio::core::Application::getInstance().getProfileStore();
    if (!store) {
        throw ScriptError("the settings store could not be opened");
    }
    brio::core::ProfileValues values;
    store->readSection(L"MeasureTotalDlg", &values, 0);
    JsonWriter json;
    json.beginObject()
        .field("event", "settings")
        .field("section", "MeasureTotalDlg")
        .key("values")
        .beginObject();
    for (const auto& [key, value] : values) {
        json.key(Narrow(key));
        WriteVariant(json, value);
    }
    context.events.emit(json.endObject().endObject());
}

void Snapshot(ScriptContext& context, const Words& args) {
    const HWND dialog = DialogWindowOf(context.session.dialog());
    if (!dialog) {
        throw ScriptError("the dialog has no window");
    }
    if (!display::WriteWindowPng(dialog, Narrow(args[0]))) {
        throw ScriptError("could not write " + Narrow(args[0]));
    }
    JsonWriter json;
    context.events.emit(json.beginObject().field("event", "snapshot").field("file", args[0]).endObject());
}

void SnapshotDrawing(ScriptContext& context, const Words& args) {
    if (!WriteDrawingPng(context.plan, Narrow(args[0]))) {
        throw ScriptError("could not write " + Narrow(args[0]));
    }
    JsonWriter json;
    context.events.emit(json.beginObject().field("event", "snapshot").field("file", args[0]).endObject());
}

// mark TEXT: a line of its own in the output, so that a reader knows where it is.
void Mark(ScriptContext& context, const Words& args) {
    JsonWriter json;
    context.events.emit(json.beginObject().field("event", "mark").field("text", args[0]).endObject());
}

void Quit(ScriptContext& context, const Words&) {
    context.quit = true;
}

} // namespace

const std::vector<Command>& HostCommands() {
    static const std::vector<Command> commands = {
        {L"measure", 3, 5, Measure},     {L"plan-click", 2, 3, PlanClick},
        {L"mainframe", 1, 1, MainFrame}, {L"delete-dialog", 0, 0, DeleteDialog},
        {L"clipboard", 1, 1, Clipboard}, {L"dump", 0, 0, Dump},
        {L"summary", 0, 0, Summary},     {L"settings", 0, 0, Settings},
        {L"snapshot", 1, 1, Snapshot},   {L"snapshot-drawing", 1, 1, SnapshotDrawing},
        {L"mark", 1, 1, Mark},           {L"quit", 0, 0, Quit},
    };
    return commands;
}

} // namespace host::script
