#include "SimulatedInput.h"

namespace drive {

void Deliver(MSG& message) {
    if (CallMsgFilterA(&message, MSGF_DIALOGBOX)) {
        return;
    }
    const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogMessageA(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

// The window system queues sent input at once, and what handling it posts follows it in the
// queue.
void DeliverWaitingMessages() {
    for (int quietTurns = 0; quietTurns < 2;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            Deliver(message);
            quietTurns = 0;
        } else {
            ++quietTurns;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
}

void SendAndDeliver(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    DeliverWaitingMessages();
}

INPUT KeyInput(WORD key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    const bool extended = key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT ||
                          key == VK_DELETE || key == VK_PRIOR || key == VK_NEXT;
    input.ki.dwFlags = (release ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void PressKeys(std::initializer_list<WORD> held, WORD key) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : held) {
        inputs.push_back(KeyInput(modifier, false));
    }
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto modifier = held.end(); modifier != held.begin();) {
        inputs.push_back(KeyInput(*--modifier, true));
    }
    SendAndDeliver(inputs);
}

std::vector<INPUT> ClickInputs(POINT point, Button button) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    // The middle of the pixel, so that the window system's scaling back lands on it.
    move.mi.dx = static_cast<LONG>((2LL * point.x + 1) * 65536 / (2LL * width));
    move.mi.dy = static_cast<LONG>((2LL * point.y + 1) * 65536 / (2LL * height));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    INPUT up = down;
    up.mi.dwFlags = button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    return {move, down, up};
}

void ClickAt(POINT point, Button button) { SendAndDeliver(ClickInputs(point, button)); }

} // namespace drive
