// What tests and the host program observe and switch: recorded message boxes and menus with their
// queued answers, injected faults, the clipboard switch and the interactive provider.
//
// Does NOT: keep records across processes or threads; ResetRecords leaves windows and GDI objects
// alone (they are counted, not recorded).
#include "core/records.h"

#include <deque>
#include <map>

namespace standin {
namespace {

struct Records {
    std::map<Fault, int> faults;
    bool clipboardOpenFails = false;
    std::function<void(const std::wstring&)> clipboardObserver;
    std::deque<int> messageBoxAnswers;
    std::vector<MessageBoxRecord> messageBoxes;
    std::function<void(const MessageBoxRecord&)> messageBoxObserver;
    std::deque<UINT> menuChoices;
    std::vector<MenuRecord> menus;
    std::function<void(const MenuRecord&)> menuObserver;
    InteractiveModal* interactive = nullptr;
};

Records& R() {
    static Records records;
    return records;
}

} // namespace

bool ConsumeFault(Fault fault) {
    auto it = R().faults.find(fault);
    if (it == R().faults.end() || it->second <= 0)
        return false;
    --it->second;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return true;
}

bool ClipboardOpenFails() {
    return R().clipboardOpenFails;
}

void NotifyClipboard(const std::wstring& text) {
    if (R().clipboardObserver)
        R().clipboardObserver(text);
}

std::vector<int> MessageBoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int MessageBoxDefaultButton(UINT type) {
    const std::vector<int> buttons = MessageBoxButtons(type);
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

std::optional<int> TakeQueuedMessageBoxAnswer() {
    if (R().messageBoxAnswers.empty())
        return std::nullopt;
    int answer = R().messageBoxAnswers.front();
    R().messageBoxAnswers.pop_front();
    return answer;
}

void RecordMessageBox(const MessageBoxRecord& record) {
    R().messageBoxes.push_back(record);
    if (R().messageBoxObserver)
        R().messageBoxObserver(record);
}

std::optional<UINT> TakeQueuedMenuChoice() {
    if (R().menuChoices.empty())
        return std::nullopt;
    UINT choice = R().menuChoices.front();
    R().menuChoices.pop_front();
    return choice;
}

void RecordMenu(const MenuRecord& record) {
    R().menus.push_back(record);
    if (R().menuObserver)
        R().menuObserver(record);
}

InteractiveModal* InteractiveProvider() {
    return R().interactive;
}

void QueueMessageBoxAnswer(int answer) {
    R().messageBoxAnswers.push_back(answer);
}
std::vector<MessageBoxRecord> MessageBoxes() {
    return R().messageBoxes;
}
void ClearMessageBoxes() {
    R().messageBoxes.clear();
}
void SetMessageBoxObserver(std::function<void(const MessageBoxRecord&)> observer) {
    R().messageBoxObserver = std::move(observer);
}

void QueueMenuChoice(UINT command) {
    R().menuChoices.push_back(command);
}
std::vector<MenuRecord> Menus() {
    return R().menus;
}
void ClearMenus() {
    R().menus.clear();
}
void SetMenuObserver(std::function<void(const MenuRecord&)> observer) {
    R().menuObserver = std::move(observer);
}

void SetClipboardOpenFails(bool fails) {
    R().clipboardOpenFails = fails;
    ClipboardSwitched(fails);
}
void SetClipboardObserver(std::function<void(const std::wstring&)> observer) {
    R().clipboardObserver = std::move(observer);
}

void FailNext(Fault fault, int count) {
    R().faults[fault] = count < 0 ? 0 : count;
}

void SetInteractiveModal(InteractiveModal* provider) {
    R().interactive = provider;
}

void ResetRecords() {
    Records& r = R();
    r.faults.clear();
    if (r.clipboardOpenFails)
        SetClipboardOpenFails(false);
    r.messageBoxAnswers.clear();
    r.messageBoxes.clear();
    r.menuChoices.clear();
    r.menus.clear();
}

} // namespace standin
