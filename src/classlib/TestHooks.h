// Seams for tests: what a test cannot do with a real modal window or the real system in front of
// it. With no hook set, the real message box, modal loop and system run.
#pragma once

#include "WinDefs.h"

#include <functional>
#include <optional>
#include <string>

class CDialog;

struct MessageBoxCall {
    std::string text;
    std::string caption;
    UINT type;
    // The template id of the dialog that owns the box; 0 for a box raised through the application.
    UINT ownerTemplateId;
};

// Answers a message box instead of showing it; returns IDOK, IDYES or IDNO.
using MessageBoxHook = std::function<int(const MessageBoxCall&)>;
void SetMessageBoxHook(MessageBoxHook hook);
const MessageBoxHook& GetMessageBoxHook();

// Runs inside the modal loop of every dialog once it is shown; a dialog the hook leaves open is
// ended with IDCANCEL when it returns, so a failing test never hangs.
using ModalHook = std::function<void(CDialog&)>;
void SetModalHook(ModalHook hook);
const ModalHook& GetModalHook();

struct ShellExecuteCall {
    HWND owner;
    std::string operation;
    std::string file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int showCommand;
};

// Records a shell request instead of handing it to the desktop.
using ShellExecuteHook = std::function<void(const ShellExecuteCall&)>;
void SetShellExecuteHook(ShellExecuteHook hook);
const ShellExecuteHook& GetShellExecuteHook();

// Makes the socket start-up fail.
void SetSocketStartupFailsForTest(bool fails);
bool SocketStartupFailsForTest();

// The steps of reading and saving a file, in the order a save takes them (a read takes Open and
// Read). SyncDirectory makes a save's rename durable; its failure does not fail the save.
enum class FileOperation { Open, Read, Write, Flush, Close, Replace, SyncDirectory };

// Asked before each step; returning true makes that step fail as a disk error would.
using FileFaultHook = std::function<bool(FileOperation)>;
void SetFileFaultHook(FileFaultHook hook);
// Whether the hook fails this step; false when no hook is set.
bool FileOperationFailsForTest(FileOperation operation);
