#include "DialogWindow.h"

#include "ByteLineEdit.h"
#include "Handles.h"
#include "Icons.h"
#include "ListView.h"
#include "MonthCalendar.h"
#include "TextConversion.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include <charconv>

namespace {

int MulDiv(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

// Horizontal and vertical dialog base units of a font: its average character width and height.
QPoint BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    QFont font(QString::fromLatin1(dialogTemplate.fontName.data(),
                                   static_cast<qsizetype>(dialogTemplate.fontName.size())));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

UINT IconIdOf(std::string_view text) {
    UINT id = 0;
    std::from_chars(text.data(), text.data() + text.size(), id);
    return id;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    if ((control.style & 0x1F) == SS_ICON) {
        const QImage icon = IconImageFor(FindIconResource(IconIdOf(control.text)), 32);
        label->setPixmap(QPixmap::fromImage(icon));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    label->setText(ToQString(std::string(control.text)));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* parent) {
    auto* edit = new ByteLineEdit(parent);
    edit->setFrame((control.style & WS_BORDER) != 0);
    if ((control.style & ES_READONLY) != 0) {
        edit->MakeReadOnly();
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        edit->setPalette(colours);
    }
    edit->SetBytes(std::string(control.text));
    return edit;
}

} // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_dialog(dialog) {
    setWindowTitle(ToQString(std::string(dialogTemplate.caption)));
    setFont(DialogFont(dialogTemplate));
    const QPoint baseUnits = BaseUnits(font());
    setFixedSize(MulDiv(dialogTemplate.cx, baseUnits.x(), 4),
                 MulDiv(dialogTemplate.cy, baseUnits.y(), 8));
    // Keys the window handles before any control sees them.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { SendCommand(ID_HELP, 0); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this), &QShortcut::activated, this,
            [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control, baseUnits);
        if (control.id != -1) {
            m_controls.emplace(control.id, widget);
        }
        if ((control.style & WS_TABSTOP) != 0) {
            if (!m_tabStops.empty()) {
                setTabOrder(m_tabStops.back(), widget);
            }
            m_tabStops.push_back(widget);
        }
    }
}

QWidget* DialogWindow::CreateControl(const ControlTemplate& control, QPoint baseUnits) {
    QWidget* widget = nullptr;
    switch (control.controlClass) {
    case ControlClass::Edit:
        widget = CreateEdit(control, this);
        break;
    case ControlClass::Button: {
        auto* button = new QPushButton(ToQString(std::string(control.text)), this);
        button->setAutoDefault(true);
        button->setDefault((control.style & 0xF) == BS_DEFPUSHBUTTON);
        connect(button, &QPushButton::clicked, this,
                [this, id = control.id] { SendCommand(id, BN_CLICKED); });
        widget = button;
        break;
    }
    case ControlClass::Static:
        widget = CreateStatic(control, this);
        break;
    case ControlClass::ListView: {
        auto* list = new ListView(this, control.style);
        list->SetClickHandler([this, id = control.id, list] { SendNotify(id, NM_CLICK, list); });
        widget = list;
        break;
    }
    case ControlClass::MonthCalendar:
        widget = new MonthCalendar(this);
        break;
    }
    widget->setGeometry(MulDiv(control.x, baseUnits.x(), 4), MulDiv(control.y, baseUnits.y(), 8),
                        MulDiv(control.cx, baseUnits.x(), 4), MulDiv(control.cy, baseUnits.y(), 8));
    widget->setFocusPolicy((control.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
    if (control.controlClass == ControlClass::Static) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->setVisible((control.style & WS_VISIBLE) != 0);
    return widget;
}

QWidget* DialogWindow::Control(int id) const {
    const auto found = m_controls.find(id);
    return found != m_controls.end() ? found->second : nullptr;
}

int DialogWindow::IdOf(const QWidget* widget) const {
    for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
        for (const auto& [id, control] : m_controls) {
            if (control == widget) {
                return id;
            }
        }
    }
    return 0;
}

CMenu& DialogWindow::SystemMenu() {
    if (m_systemMenuWidget == nullptr) {
        m_systemMenuWidget = new QMenu(this);
        m_systemMenu.m_hMenu = HandleOf(m_systemMenuWidget);
        m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    }
    return m_systemMenu;
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPosition) {
    SystemMenu();
    if (const QAction* chosen = m_systemMenuWidget->exec(globalPosition)) {
        m_dialog.WindowProc(WM_SYSCOMMAND, chosen->data().toUInt(), 0);
    }
}

void DialogWindow::SendCommand(int id, UINT code) {
    m_dialog.WindowProc(WM_COMMAND, MakeCommandParam(static_cast<UINT>(id), code),
                        reinterpret_cast<LPARAM>(HandleOf(Control(id))));
}

void DialogWindow::SendNotify(int id, UINT code, QWidget* from) {
    NMHDR header{HandleOf(from), static_cast<UINT_PTR>(id), code};
    m_dialog.WindowProc(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
}

void DialogWindow::End(int result) {
    m_ended = true;
    m_result = result;
    done(result);
}

void DialogWindow::reject() { SendCommand(IDCANCEL, BN_CLICKED); }

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!m_ended) {
        SendCommand(IDCANCEL, BN_CLICKED);
    }
}

// The system menu opens on the dialog's own background, not over its controls.
void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* under = childAt(event->pos());
    if (under != nullptr && qobject_cast<QLabel*>(under) == nullptr) {
        event->ignore();
        return;
    }
    ShowSystemMenu(event->globalPos());
}

void DialogWindow::paintEvent(QPaintEvent*) { m_dialog.WindowProc(WM_PAINT, 0, 0); }

DialogWindow* DialogWindowOf(const CWnd& window) {
    return dynamic_cast<DialogWindow*>(WidgetOf(window.m_hWnd));
}
