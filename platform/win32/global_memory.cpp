// GlobalAlloc and friends. A GMEM_FIXED block's handle is its address, as on Windows; a moveable
// block gets a handle of its own that GlobalLock turns into the address. Freed or made-up handles are
// invalid, never dereferenced.
//
// Does NOT: move blocks (GlobalReAlloc), discard them, or keep GlobalFlags / GlobalHandle.
#include "win32/global_memory.h"

#include "core/records.h"
#include "core/ui_thread.h"

#include <cstring>
#include <map>
#include <memory>

namespace standin {
namespace {

struct Block {
    std::unique_ptr<unsigned char[]> bytes;
    size_t size = 0;
    int locks = 0;
};

struct Blocks {
    std::map<uintptr_t, Block> byHandle;
    uintptr_t nextMoveable = 0x80000010; // kind 8 in the high nibble, like the other tables' handles
};

Blocks& B() {
    static Blocks blocks;
    return blocks;
}

Block* Find(HGLOBAL handle) {
    if (!handle || !OnUiThread())
        return nullptr;
    auto it = B().byHandle.find(reinterpret_cast<uintptr_t>(handle));
    return it == B().byHandle.end() ? nullptr : &it->second;
}

} // namespace

bool IsGlobalBlock(HGLOBAL block) {
    return Find(block) != nullptr;
}

bool TextOfBlock(HGLOBAL handle, std::wstring* text) {
    Block* block = Find(handle);
    if (!block)
        return false;
    size_t chars = block->size / sizeof(wchar_t);
    const auto* data = reinterpret_cast<const wchar_t*>(block->bytes.get());
    size_t length = 0;
    while (length < chars && data[length] != L'\0')
        ++length;
    text->assign(data, length);
    return true;
}

} // namespace standin

using namespace standin;

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, size_t bytes) {
    if (!OnUiThread()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    if (ConsumeFault(Fault::GlobalAlloc))
        return nullptr;
    Block block;
    block.size = bytes;
    // Windows zeroes GMEM_ZEROINIT blocks only; zeroing all of them costs nothing here and hides no bug
    // that a test could otherwise see, because the bytes are never read before being written.
    block.bytes.reset(new (std::nothrow) unsigned char[bytes ? bytes : 1]());
    if (!block.bytes) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    uintptr_t handle =
        (flags & GMEM_MOVEABLE) ? B().nextMoveable++ : reinterpret_cast<uintptr_t>(block.bytes.get());
    B().byHandle.emplace(handle, std::move(block));
    return reinterpret_cast<HGLOBAL>(handle);
}

// Null on success; the handle itself when it was not a block, as on Windows.
HGLOBAL WINAPI GlobalFree(HGLOBAL memory) {
    if (!Find(memory)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return memory;
    }
    B().byHandle.erase(reinterpret_cast<uintptr_t>(memory));
    return nullptr;
}

LPVOID WINAPI GlobalLock(HGLOBAL memory) {
    if (ConsumeFault(Fault::GlobalLock))
        return nullptr;
    Block* block = Find(memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    ++block->locks;
    return block->bytes.get();
}

// TRUE while the block stays locked; FALSE with ERROR_SUCCESS once the last lock is gone.
BOOL WINAPI GlobalUnlock(HGLOBAL memory) {
    Block* block = Find(memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (block->locks > 0)
        --block->locks;
    SetLastError(ERROR_SUCCESS);
    return block->locks > 0;
}

size_t WINAPI GlobalSize(HGLOBAL memory) {
    Block* block = Find(memory);
    return block ? block->size : 0;
}
}
