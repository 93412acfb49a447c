#pragma once
#include <windows.h>

#include <exception>
#include <functional>

// Base of the program's windows: the window keeps `this` from WM_NCCREATE on, and one
// static procedure hands every message to HandleMessage() of its object.
//
// This is also the boundary where exceptions stop: a failure that the design does not
// handle is shown with its own description and ends the program (the message loop
// ends; see EndProgramAfterFailure). No exception ever crosses into Windows.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

protected:
    virtual ~Window();

    // Destroys the window, if it still exists, without running its handlers. A derived
    // class calls it first thing in its destructor, while its members still live.
    void DestroyWithoutHandlers() noexcept;

    // Registers the class once (by name) and creates the window; the object receives
    // messages from WM_NCCREATE on. Returns false when creation failed.
    bool CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                             const wchar_t* caption, int x, int y, int width, int height);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// Runs work that may fail; a failure is shown and ends the program. The window
// procedure runs every message through it, and so does the message loop for the work
// it does itself (the window's key preview).
void RunGuarded(const std::function<void()>& work) noexcept;

// Shows the failure (the first one only) and makes the message loop end with exit
// code 1.
void EndProgramAfterFailure(std::exception_ptr failure) noexcept;
