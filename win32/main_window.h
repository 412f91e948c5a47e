#pragma once

#include <memory>

#include <windows.h>

#include "win32/control_factory.h"
#include "win32/fonts.h"
#include "win32/layout_scale.h"
#include "win32/notebook.h"
#include "win32/platform.h"

class TForm1;

// The game's windows: the application's hidden window, which bears the title
// and so is the program's entry in the task bar, and the main window it
// owns, with the notebook and every control of the page tables. Made with
// the form's creation handler run, not yet shown; the windows of the pages
// behind the first are made as it is shown. The windows and icons are its
// own and go with it; the form, which holds its controls, must not be used
// through them afterwards.
class MainWindow {
public:
    // The scale changes when the window moves to a monitor of other pixels per inch.
    MainWindow(TForm1& form, Win32Platform& platform, LayoutScale& scale);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window as the program was asked to start: minimised (only
    // the task-bar entry, which shows the window when restored), maximised,
    // or normally; then makes the windows of the pages behind the first.
    void Show(int show_command);

    // The game's own keyboard, ahead of the dialog manager's: true when the
    // key was taken.
    bool HandleKey(const MSG& message);

    HWND Handle() const { return main_; }

private:
    static LRESULT CALLBACK ApplicationProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    static LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    LRESULT OnApplicationMessage(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMainMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void MakeApplicationWindow();
    void MakeMainWindow();
    void RestoreFocus();
    void Rescale(int pixels_per_inch, const RECT& suggested);
    // Gives both windows the icon, in the sizes of the caption and the task
    // bar at the window's pixels per inch.
    void SetIcons();

    TForm1& form_;
    Win32Platform& platform_;
    LayoutScale& scale_;
    FontCache fonts_;
    HWND application_ = nullptr;
    HWND main_ = nullptr;
    std::unique_ptr<Win32Notebook> notebook_;
    std::unique_ptr<Win32ControlFactory> controls_;
    // The control that had the focus when the window was last active.
    HWND focus_ = nullptr;
    // The icons the windows show, made for them.
    HICON big_icon_ = nullptr;
    HICON small_icon_ = nullptr;
};
