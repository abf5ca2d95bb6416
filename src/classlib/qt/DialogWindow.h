// The window of a CDialog: a QDialog with the controls of its template, which hands every
// command, notification and message of the dialog to the CDialog's window procedure.
#pragma once

#include "../Dialog.h"
#include "../Resources.h"

#include <QDialog>

#include <map>

class QMenu;

class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);

    CDialog& Dialog() { return m_dialog; }
    // The control with that id, or nullptr.
    QWidget* Control(int id) const;
    // The id of the control that is or holds the widget, 0 for a widget outside every control.
    int IdOf(const QWidget* widget) const;
    // The controls that take the focus by Tab, in template order.
    const std::vector<QWidget*>& TabStops() const { return m_tabStops; }

    // The system menu, made on first use with its standard Close item.
    CMenu& SystemMenu();
    void ShowSystemMenu(const QPoint& globalPosition);

    void SendCommand(int id, UINT code);
    void SendNotify(int id, UINT code, QWidget* from);

    void End(int result);
    bool HasEnded() const { return m_ended; }
    int Result() const { return m_result; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* CreateControl(const ControlTemplate& control, QPoint baseUnits);

    CDialog& m_dialog;
    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_tabStops;
    CMenu m_systemMenu;
    QMenu* m_systemMenuWidget = nullptr;
    bool m_ended = false;
    int m_result = 0;
};

// The window of a dialog's handle, or nullptr.
DialogWindow* DialogWindowOf(const CWnd& window);
