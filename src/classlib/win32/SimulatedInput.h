// Input as the keyboard and the mouse make it, sent through the window system (SendInput), and
// the message loop that delivers it, as a dialog's modal loop would.
#pragma once

#include "../WinDefs.h"

#include <initializer_list>
#include <vector>

namespace drive {

// One turn of a dialog's message loop.
void Deliver(MSG& message);
// Runs the message loop until the thread's queue has stayed empty for a moment.
void DeliverWaitingMessages();
void SendAndDeliver(std::vector<INPUT> inputs);

INPUT KeyInput(WORD key, bool release);
// The key pressed and released while the modifiers are held.
void PressKeys(std::initializer_list<WORD> held, WORD key);

enum class Button { Left, Right };
// A move to the point of the screen, and a press and release of the button there.
std::vector<INPUT> ClickInputs(POINT point, Button button);
// A click at a point of the screen: the window system decides which window gets it.
void ClickAt(POINT point, Button button = Button::Left);

} // namespace drive
