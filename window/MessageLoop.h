#pragma once
class frmMain;

// The program's message loop: runs until the window has been unloaded (or a failure
// ended the program) and returns the exit code.
int RunMessageLoop(frmMain& form);

// Lets the messages waiting in the queue run once, through the same steps as the
// loop. False when the program is ending (the quit message is kept for the loop).
bool DoEvents(frmMain& form);
