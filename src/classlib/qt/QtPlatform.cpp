// The process-wide parts of the Qt backend: the application object, message boxes, sockets.
#include "../Backend.h"
#include "../Resources.h"
#include "../WinApp.h"
#include "Handles.h"
#include "SessionEnd.h"
#include "TextConversion.h"

#include <QApplication>
#include <QInputDevice>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool HasDisplay() {
    auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QString BoxText(const std::string& text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QWidget* BoxOwner(const CDialog* owner) {
    if (owner != nullptr && owner->m_hWnd != nullptr) {
        return WidgetOf(owner->m_hWnd);
    }
    const CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr ? WidgetOf(app->m_pMainWnd->m_hWnd)
                                                        : nullptr;
}

int storedArgc = 0;
std::unique_ptr<QApplication> application;

} // namespace

int PlatformInit(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs("This is a desktop program and needs a graphical display, but none is set "
                   "(DISPLAY and WAYLAND_DISPLAY are empty).\n",
                   stderr);
        return 1;
    }
    storedArgc = argc;
    // Should the process end without AfxWinTerm, the application goes with the static objects,
    // in the reverse order of their making; Qt's list of input devices, which its destructor
    // still updates, is made first so that it outlives the application.
    static_cast<void>(QInputDevice::devices());
    application = std::make_unique<QApplication>(storedArgc, argv);
    CloseDialogsWhenTheSessionEnds(*application);
    return 0;
}

void PlatformTerm() { application.reset(); }

BOOL PlatformSocketStartup() { return TRUE; }

// An icon handle points at the icon's data.
HICON CWinApp::LoadIcon(UINT id) const { return FindIconResource(id); }

int PlatformMessageBox(const CDialog* owner, const std::string& text, const std::string& caption,
                       UINT type) {
    QMessageBox box(IconOf(type), ToQString(caption), BoxText(text), QMessageBox::NoButton,
                    BoxOwner(owner));
    box.setTextFormat(Qt::PlainText);
    if ((type & MB_TYPEMASK) == MB_YESNO) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton((type & MB_DEFMASK) == MB_DEFBUTTON2 ? no : yes);
        box.exec();
        return box.clickedButton() == yes ? IDYES : IDNO;
    }
    box.setDefaultButton(box.addButton(QMessageBox::Ok));
    box.exec();
    return IDOK;
}
