#pragma once
class MainWindow;

// The program's message loop: runs until the window has been closed (or a failure ended
// the program) and returns the exit code.
int RunMessageLoop(MainWindow& window);

// Lets the messages waiting in the queue run once, through the same steps as the loop.
// False when the program is ending (the quit message is kept for the loop).
bool PumpWaitingMessages(MainWindow& window);
