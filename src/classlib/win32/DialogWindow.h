// The window of a CDialog: created by the dialog manager from the template, run in its modal
// loop, and subclassed so that every message reaches the CDialog's window procedure first.
#pragma once

#include "../Dialog.h"
#include "../Resources.h"

#include <map>
#include <string>
#include <vector>

// Texts that a control cannot hold exactly (a NUL byte, bytes that are no text in the ANSI code
// page) are kept here and handed back as they were given, until the person or the program
// changes that control or cell.
struct TextsKeptAside {
    std::map<HWND, std::string> edits;
    // By the row's key (its item data) and column.
    std::map<LPARAM, std::map<int, std::string>> listCells;
    LPARAM nextRowKey = 1;
};

class DialogWindow {
public:
    explicit DialogWindow(CDialog& dialog) : m_dialog(dialog) {}
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // The window of a dialog's handle, or nullptr.
    static DialogWindow* Of(HWND window);

    // Creates the window and runs it until it has ended and is destroyed; the result EndDialog
    // was given, or -1 when the window could not be created.
    INT_PTR RunModal(const DialogTemplate& dialogTemplate, HWND owner);
    void End(int result);
    bool HasEnded() const { return m_ended; }

    CDialog& Dialog() { return m_dialog; }
    CMenu& SystemMenu() { return m_systemMenu; }
    TextsKeptAside& KeptTexts() { return m_kept; }

    // The processing the dialog manager gives a message.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);
    // The device context that a WM_PRINTCLIENT gave, while the dialog paints into it.
    HDC PrintContext() const { return m_printContext; }

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    BOOL Initialise(HWND window);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalHook();
    void PaintInto(HDC context);

    CDialog& m_dialog;
    HWND m_window = nullptr;
    WNDPROC m_dialogManagerProcedure = nullptr;
    CMenu m_systemMenu;
    TextsKeptAside m_kept;
    HDC m_printContext = nullptr;
    bool m_ended = false;
};

// The window of a dialog, or nullptr while it has none.
DialogWindow* DialogWindowOf(const CWnd& window);
