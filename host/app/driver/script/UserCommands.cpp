// Commands that act as the person at the dialog: every one goes through the simulated user (window
// messages, as real input makes them), or, on a live desktop, through the desktop's own input.
#include "script/DialogProbe.h"
#include "script/ScriptContext.h"
#include "script/Words.h"

#include <automation.h>

#include <commctrl.h>

#include <cstdint>

namespace host::script {

namespace {

std::string Narrow(const std::wstring& text) {
    return ToUtf8(text);
}

HWND RequireDialog(ScriptContext& context) {
    const HWND hwnd = DialogWindowOf(context.session.dialog());
    if (!hwnd) {
        throw ScriptError("the dialog has no window");
    }
    return hwnd;
}

HWND RequireControl(ScriptContext& context, const std::wstring& word) {
    const HWND dialog = RequireDialog(context);
    const int id = static_cast<int>(ParseInteger(word, 0, 0xFFFF));
    const HWND control = GetDlgItem(dialog, id);
    if (!control) {
        throw ScriptError("the dialog has no control " + std::to_string(id));
    }
    return control;
}

void RequireEnabled(HWND control) {
    if (!IsWindowEnabled(control) || !IsWindowVisible(control)) {
        throw ScriptError("control " + std::to_string(GetDlgCtrlID(control)) + " is disabled or hidden");
    }
}

int RowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

void Click(ScriptContext& context, const Words& args) {
    const HWND control = RequireControl(context, args[0]);
    RequireEnabled(control);
    if (context.live) {
        context.live->clickControl(control);
    } else if (!automation::Click(control) && IsWindow(control)) {
        // (A click that closed the dialog, such as "作図" with "作図後閉じる", took effect all the same.)
        throw ScriptError("control " + Narrow(args[0]) + " could not be clicked");
    }
}

// select ROWS|all|none: a click on the first row, Ctrl-clicks on the rest; "all" is a click on the
// first and a Shift-click on the last; "none" Ctrl-clicks every selected row away.
void Select(ScriptContext& context, const Words& args) {
    const HWND list = RequireControl(context, std::to_wstring(IDC_LIST_LENGTH));
    const int count = RowCount(list);
    if (args[0] == L"none") {
        const auto rows = measure_test::ReadRows(list);
        for (int i = 0; i < count; ++i) {
            if (rows[i].selected) {
                automation::PickListRow(list, i, automation::kCtrl);
            }
        }
        return;
    }
    if (count == 0) {
        throw ScriptError("the list has no rows");
    }
    if (args[0] == L"all") {
        automation::PickListRow(list, 0);
        automation::PickListRow(list, count - 1, automation::kShift);
        return;
    }
    const std::vector<int> rows = ParseRowList(args[0]);
    for (int row : rows) {
        if (row > count) {
            throw ScriptError("no row " + std::to_string(row) + " in a list of " + std::to_string(count));
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        automation::PickListRow(list, rows[i] - 1, i == 0 ? automation::kNone : automation::kCtrl);
    }
}

UINT KeyOf(std::wstring_view name) {
    if (name.size() == 1 && ((name[0] >= L'a' && name[0] <= L'z') || (name[0] >= L'0' && name[0] <= L'9'))) {
        return name[0] >= L'a' ? static_cast<UINT>(name[0] - L'a' + 'A') : static_cast<UINT>(name[0]);
    }
    const struct {
        std::wstring_view name;
        UINT vk;
    } keys[] = {
        {L"delete", VK_DELETE}, {L"escape", VK_ESCAPE},  {L"tab", VK_TAB},       {L"enter", VK_RETURN},
        {L"space", VK_SPACE},   {L"up", VK_UP},          {L"down", VK_DOWN},     {L"left", VK_LEFT},
        {L"right", VK_RIGHT},   {L"home", VK_HOME},      {L"end", VK_END},       {L"pageup", VK_PRIOR},
        {L"pagedown", VK_NEXT}, {L"backspace", VK_BACK}, {L"insert", VK_INSERT}, {L"f1", VK_F1}};
    for (const auto& key : keys) {
        if (key.name == name) {
            return key.vk;
        }
    }
    return 0;
}

// key NAME, with modifiers in front: ctrl+a, shift+tab.
void Key(ScriptContext& context, const Words& args) {
    RequireDialog(context);
    std::wstring_view name = args[0];
    unsigned modifiers = automation::kNone;
    for (;;) {
        if (name.starts_with(L"ctrl+")) {
            modifiers |= automation::kCtrl, name.remove_prefix(5);
        } else if (name.starts_with(L"shift+")) {
            modifiers |= automation::kShift, name.remove_prefix(6);
        } else {
            break;
        }
    }
    const UINT vk = KeyOf(name);
    if (vk == 0) {
        throw ScriptError("no key named \"" + Narrow(args[0]) + "\"");
    }
    automation::PressKey(vk, modifiers);
}

void Focus(ScriptContext& context, const Words& args) {
    const HWND control = RequireControl(context, args[0]);
    RequireEnabled(control);
    automation::Focus(control);
}

void Combo(ScriptContext& context, const Words& args) {
    const HWND combo = RequireControl(context, args[0]);
    RequireEnabled(combo);
    const auto count = static_cast<long long>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    const int index = static_cast<int>(ParseInteger(args[1], 0, count - 1));
    if (!automation::ChooseComboItem(combo, index)) {
        throw ScriptError("item " + Narrow(args[1]) + " could not be chosen");
    }
}

// The popup menu's answer: a command identifier or "cancel".
unsigned MenuChoice(const std::wstring& word) {
    return word == L"cancel" ? 0u : static_cast<unsigned>(ParseInteger(word, 1, 0xFFFF));
}

// rclick CHOICE: a right-click on the first selected row (the selection stays, as in Windows' list
// view), or on the list's empty area when no row is selected; the menu is then answered with CHOICE.
void RightClick(ScriptContext& context, const Words& args) {
    const HWND list = RequireControl(context, std::to_wstring(IDC_LIST_LENGTH));
    const unsigned choice = MenuChoice(args[0]);
    const int first =
        static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (context.live) {
        context.live->queueAnswer(choice);
    } else if (choice == 0) {
        automation::DismissNextMenu();
    } else {
        automation::PickNextMenuCommand(choice);
    }
    automation::RightClickList(list, first);
}

void Answer(ScriptContext& context, const Words& args) {
    const int answers[] = {IDYES, IDNO, IDOK, IDCANCEL};
    const int answer = answers[ParseChoice(args[0], {L"yes", L"no", L"ok", L"cancel"})];
    if (context.live) {
        context.live->queueAnswer(static_cast<unsigned>(answer));
    } else {
        automation::AnswerNextMessageBox(answer);
    }
}

void Hover(ScriptContext& context, const Words& args) {
    const HWND control = RequireControl(context, args[0]);
    const std::wstring tip = automation::Hover(control);
    JsonWriter json;
    json.beginObject().field("event", "tooltip").field("control", GetDlgCtrlID(control)).field("text", tip);
    context.events.emit(json.endObject());
}

void Resize(ScriptContext& context, const Words& args) {
    const HWND dialog = RequireDialog(context);
    const int width = static_cast<int>(ParseInteger(args[0], 1, 10000));
    const int height = static_cast<int>(ParseInteger(args[1], 1, 10000));
    if (!automation::DragBorderTo(dialog, width, height)) {
        throw ScriptError("the border could not be dragged");
    }
}

// syscmd HEX: the frame's close and help buttons are clicked as a person does; any other value
// arrives as the frame would send it.
void SysCommand(ScriptContext& context, const Words& args) {
    const HWND dialog = RequireDialog(context);
    const unsigned command = ParseHex(args[0]);
    if (command == SC_CLOSE || command == SC_CONTEXTHELP) {
        if (!automation::ClickFrameButton(dialog, command)) {
            throw ScriptError("the frame has no such button");
        }
        return;
    }
    PostMessageW(dialog, WM_SYSCOMMAND, command, 0);
    automation::Pump();
}

void Close(ScriptContext& context, const Words&) {
    SendMessageW(RequireDialog(context), WM_CLOSE, 0, 0);
}

} // namespace

const std::vector<Command>& UserCommands() {
    static const std::vector<Command> commands = {
        {L"click", 1, 1, Click},       {L"select", 1, 1, Select}, {L"key", 1, 1, Key},
        {L"focus", 1, 1, Focus},       {L"combo", 2, 2, Combo},   {L"rclick", 1, 1, RightClick},
        {L"answer", 1, 1, Answer},     {L"hover", 1, 1, Hover},   {L"resize", 2, 2, Resize},
        {L"syscmd", 1, 1, SysCommand}, {L"close", 0, 0, Close},
    };
    return commands;
}

} // namespace host::script
