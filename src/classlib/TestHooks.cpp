#include "TestHooks.h"

#include <utility>

namespace {

MessageBoxHook& MessageBoxHookSlot() {
    static MessageBoxHook hook;
    return hook;
}

ModalHook& ModalHookSlot() {
    static ModalHook hook;
    return hook;
}

ShellExecuteHook& ShellExecuteHookSlot() {
    static ShellExecuteHook hook;
    return hook;
}

bool socketStartupFails = false;

FileFaultHook& FileFaultHookSlot() {
    static FileFaultHook hook;
    return hook;
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook) { MessageBoxHookSlot() = std::move(hook); }
const MessageBoxHook& GetMessageBoxHook() { return MessageBoxHookSlot(); }

void SetModalHook(ModalHook hook) { ModalHookSlot() = std::move(hook); }
const ModalHook& GetModalHook() { return ModalHookSlot(); }

void SetShellExecuteHook(ShellExecuteHook hook) { ShellExecuteHookSlot() = std::move(hook); }
const ShellExecuteHook& GetShellExecuteHook() { return ShellExecuteHookSlot(); }

void SetSocketStartupFailsForTest(bool fails) { socketStartupFails = fails; }
bool SocketStartupFailsForTest() { return socketStartupFails; }

void SetFileFaultHook(FileFaultHook hook) { FileFaultHookSlot() = std::move(hook); }
bool FileOperationFailsForTest(FileOperation operation) {
    const FileFaultHook& hook = FileFaultHookSlot();
    return hook && hook(operation);
}
