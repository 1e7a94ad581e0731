// The switches, queued answers and records behind standin/hooks.h, as the rest of the library uses
// them.
#pragma once

#include <standin/hooks.h>

#include <optional>

namespace standin {

// True when this call of that function is to fail (one use of FailNext's count).
bool ConsumeFault(Fault fault);
bool ClipboardOpenFails();
void NotifyClipboard(const std::wstring& text);
// Told when the clipboard switch changes (the Windows build has another window take the clipboard).
void ClipboardSwitched(bool openFails);

// The buttons a message box of these MB_* flags has, and the one that answers when none is pressed.
std::vector<int> MessageBoxButtons(UINT type);
int MessageBoxDefaultButton(UINT type);
std::optional<int> TakeQueuedMessageBoxAnswer();
void RecordMessageBox(const MessageBoxRecord& record); // kept, then shown to the observer
std::optional<UINT> TakeQueuedMenuChoice();
void RecordMenu(const MenuRecord& record);
InteractiveModal* InteractiveProvider();

} // namespace standin
