#include "../TestDriver.h"

#include "../Dialog.h"
#include "DialogWindow.h"
#include "Handles.h"
#include "ListView.h"
#include "TextConversion.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace drive {

namespace {

DialogWindow& WindowOf(const CDialog& dialog) {
    DialogWindow* window = DialogWindowOf(dialog);
    if (window == nullptr) {
        qFatal("drive: the dialog has no window");
    }
    return *window;
}

QWidget* ControlOf(const CDialog& dialog, int id) {
    QWidget* control = WindowOf(dialog).Control(id);
    if (control == nullptr) {
        qFatal("drive: the dialog has no control %d", id);
    }
    return control;
}

ListView& ListOf(const CDialog& dialog, int id) {
    auto* list = dynamic_cast<ListView*>(ControlOf(dialog, id));
    if (list == nullptr) {
        qFatal("drive: control %d is not a list view", id);
    }
    return *list;
}

CRect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

QCalendarWidget& CalendarOf(const CDialog& dialog, int id) {
    auto* calendar = qobject_cast<QCalendarWidget*>(ControlOf(dialog, id));
    if (calendar == nullptr) {
        qFatal("drive: control %d is not a month calendar", id);
    }
    return *calendar;
}

template <class Part> Part& CalendarPart(QCalendarWidget& calendar, const char* name) {
    auto* part = calendar.findChild<Part*>(QString::fromLatin1(name));
    if (part == nullptr) {
        qFatal("drive: the month calendar has no %s", name);
    }
    return *part;
}

void ShowCalendarYear(QCalendarWidget& calendar, int year) {
    if (calendar.yearShown() == year) {
        return;
    }
    QTest::mouseClick(&CalendarPart<QToolButton>(calendar, "qt_calendar_yearbutton"),
                      Qt::LeftButton);
    auto& yearField = CalendarPart<QSpinBox>(calendar, "qt_calendar_yearedit");
    QTest::keyClick(&yearField, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&yearField, QString::number(year));
    QTest::keyClick(&yearField, Qt::Key_Return);
}

void ShowCalendarMonth(QCalendarWidget& calendar, int month) {
    auto& arrow = CalendarPart<QToolButton>(calendar, month > calendar.monthShown()
                                                          ? "qt_calendar_nextmonth"
                                                          : "qt_calendar_prevmonth");
    for (int step = 0; step < 12 && calendar.monthShown() != month; ++step) {
        QTest::mouseClick(&arrow, Qt::LeftButton);
    }
}

// The grid shows the end of the month before and the start of the month after the month shown;
// the month shown runs from the first cell that reads 1 to the next.
QModelIndex DayCell(QTableView& grid, int day) {
    const QAbstractItemModel& cells = *grid.model();
    int firstsSeen = 0;
    for (int row = 0; row < cells.rowCount(); ++row) {
        for (int column = 0; column < cells.columnCount(); ++column) {
            const QModelIndex cell = cells.index(row, column);
            bool isNumber = false;
            const int number = cell.data(Qt::DisplayRole).toString().toInt(&isNumber);
            if (!isNumber) {
                continue;
            }
            firstsSeen += number == 1 ? 1 : 0;
            if (firstsSeen == 1 && number == day) {
                return cell;
            }
        }
    }
    qFatal("drive: the month calendar shows no day %d", day);
}

QAction* SystemMenuAction(DialogWindow& window, UINT commandId) {
    QMenu* menu = MenuOf(window.SystemMenu().m_hMenu);
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == commandId) {
            return action;
        }
    }
    return nullptr;
}

QPoint BackgroundPoint(const DialogWindow& window) {
    for (int y = window.height() - 2; y > 0; y -= 3) {
        for (int x = window.width() - 2; x > 0; x -= 3) {
            if (window.childAt(x, y) == nullptr) {
                return {x, y};
            }
        }
    }
    return {0, 0};
}

QPoint RowPoint(ListView& list, int row) {
    if (row >= 0) {
        const QModelIndex index = list.model()->index(row, 0);
        list.scrollTo(index);
        return list.visualRect(index).center();
    }
    const int rows = list.model()->rowCount();
    const int below = rows > 0 ? list.visualRect(list.model()->index(rows - 1, 0)).bottom() + 4 : 4;
    return {4, std::min(below, list.viewport()->height() - 2)};
}

} // namespace

void Type(CDialog& dialog, int id, const std::string& text) {
    QWidget* control = ControlOf(dialog, id);
    control->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_Delete);
    // One key event per character, carrying the character itself, as a keyboard layout sends it.
    const QString typed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (const QChar character : typed) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(control, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(control, &release);
    }
}

std::string TypedBytes(const std::string& text) {
    return FromQString(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void Click(CDialog& dialog, int id) {
    QWidget* control = ControlOf(dialog, id);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void ClickOnScreen(CDialog& dialog, int id) {
    QWidget* control = ControlOf(dialog, id);
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
}

void Press(CDialog& dialog, Key key) {
    DialogWindow& window = WindowOf(dialog);
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    switch (key) {
    case Key::Enter:
        QTest::keyClick(target, Qt::Key_Return);
        break;
    case Key::Escape:
        QTest::keyClick(target, Qt::Key_Escape);
        break;
    case Key::Tab:
        QTest::keyClick(target, Qt::Key_Tab);
        break;
    case Key::Up:
        QTest::keyClick(target, Qt::Key_Up);
        break;
    case Key::Down:
        QTest::keyClick(target, Qt::Key_Down);
        break;
    case Key::Space:
        QTest::keyClick(target, Qt::Key_Space);
        break;
    case Key::F1:
        QTest::keyClick(target, Qt::Key_F1);
        break;
    case Key::AltSpace:
        QTest::keyClick(target, Qt::Key_Space, Qt::AltModifier);
        break;
    }
}

void Focus(CDialog& dialog, int id) { ControlOf(dialog, id)->setFocus(Qt::OtherFocusReason); }

int FocusedControl(const CDialog& dialog) {
    const DialogWindow& window = WindowOf(dialog);
    return window.IdOf(window.focusWidget());
}

std::vector<int> TabOrder(CDialog& dialog) {
    DialogWindow& window = WindowOf(dialog);
    std::vector<int> order;
    if (window.TabStops().empty()) {
        return order;
    }
    window.TabStops().front()->setFocus(Qt::TabFocusReason);
    const int first = FocusedControl(dialog);
    order.push_back(first);
    for (std::size_t i = 0; i < window.TabStops().size() + 1; ++i) {
        Press(dialog, Key::Tab);
        if (FocusedControl(dialog) == first) {
            break;
        }
        order.push_back(FocusedControl(dialog));
    }
    return order;
}

void CloseBox(CDialog& dialog) { WindowOf(dialog).close(); }

bool IsRunning(const CDialog& dialog) {
    const DialogWindow* window = DialogWindowOf(dialog);
    return window != nullptr && !window->HasEnded();
}

bool IsReadOnly(const CDialog& dialog, int id) {
    const auto* edit = qobject_cast<const QLineEdit*>(ControlOf(dialog, id));
    return edit != nullptr && edit->isReadOnly();
}

std::string Caption(const CDialog& dialog) { return FromQString(WindowOf(dialog).windowTitle()); }

CRect ControlRect(const CDialog& dialog, int id) {
    return ToRect(ControlOf(dialog, id)->geometry());
}

CRect ClientRect(const CDialog& dialog) { return ToRect(WindowOf(dialog).rect()); }

CRect ScreenRect(const CDialog& dialog) { return ToRect(WindowOf(dialog).geometry()); }

bool SaveImage(const CDialog& dialog, const std::string& path) {
    return WindowOf(dialog).grab().save(QString::fromLocal8Bit(path.c_str()));
}

Picture Paint(const CDialog& dialog) {
    DialogWindow& window = WindowOf(dialog);
    QImage image(window.size(), QImage::Format_RGB32);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    Picture picture{image.width(), image.height(), {}};
    picture.pixels.reserve(static_cast<std::size_t>(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            picture.pixels.push_back(image.pixel(x, y) & 0xFFFFFF);
        }
    }
    return picture;
}

void Minimise(CDialog& dialog, bool minimised) {
    DialogWindow& window = WindowOf(dialog);
    window.setWindowState(minimised ? Qt::WindowMinimized : Qt::WindowNoState);
}

std::vector<std::string> SystemMenuItems(CDialog& dialog) {
    std::vector<std::string> items;
    for (const QAction* action : MenuOf(WindowOf(dialog).SystemMenu().m_hMenu)->actions()) {
        items.push_back(action->isSeparator() ? std::string() : FromQString(action->text()));
    }
    return items;
}

bool ChooseSystemMenuItem(CDialog& dialog, UINT commandId, MenuOpening opening) {
    DialogWindow& window = WindowOf(dialog);
    QAction* action = SystemMenuAction(window, commandId);
    if (action == nullptr) {
        return false;
    }
    QTimer::singleShot(0, &window, [action] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
    });
    if (opening == MenuOpening::AltSpace) {
        Press(dialog, Key::AltSpace);
        return true;
    }
    const QPoint point = BackgroundPoint(window);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, window.mapToGlobal(point));
    QApplication::sendEvent(&window, &event);
    return true;
}

void ClickListRow(CDialog& dialog, int listId, int row) {
    ListView& list = ListOf(dialog, listId);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, row));
}

void RightClickListRow(CDialog& dialog, int listId, int row) {
    ListView& list = ListOf(dialog, listId);
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, RowPoint(list, row));
}

int ListRowCount(const CDialog& dialog, int listId) {
    return ListOf(dialog, listId).Model().rowCount();
}

std::string ListCell(const CDialog& dialog, int listId, int row, int column) {
    return ListOf(dialog, listId).Model().Cell(row, column);
}

int ListColumnCount(const CDialog& dialog, int listId) {
    return ListOf(dialog, listId).Model().columnCount();
}

std::string ListHeading(const CDialog& dialog, int listId, int column) {
    return ListOf(dialog, listId).Model().Heading(column);
}

int ListColumnWidth(const CDialog& dialog, int listId, int column) {
    return ListOf(dialog, listId).header()->sectionSize(column);
}

int ListClientWidth(const CDialog& dialog, int listId) {
    return ListOf(dialog, listId).viewport()->width();
}

int ListCellsWidthNeeded(const CDialog& dialog, int listId, int column) {
    const QAbstractItemView& view = ListOf(dialog, listId);
    return view.sizeHintForColumn(column);
}

int ListHeadingWidthNeeded(const CDialog& dialog, int listId, int column) {
    return ListOf(dialog, listId).header()->sectionSizeHint(column);
}

int ListSelectedRow(const CDialog& dialog, int listId) {
    const QModelIndexList rows = ListOf(dialog, listId).selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PickCalendarDay(CDialog& dialog, int calendarId, int year, int month, int day) {
    QCalendarWidget& calendar = CalendarOf(dialog, calendarId);
    ShowCalendarYear(calendar, year);
    ShowCalendarMonth(calendar, month);
    auto& grid = CalendarPart<QTableView>(calendar, "qt_calendar_calendarview");
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(DayCell(grid, day)).center());
}

std::string CalendarSelection(const CDialog& dialog, int calendarId) {
    return FromQString(CalendarOf(dialog, calendarId).selectedDate().toString(Qt::ISODate));
}

std::string CalendarShownMonth(const CDialog& dialog, int calendarId) {
    const QCalendarWidget& calendar = CalendarOf(dialog, calendarId);
    return FromQString(
        QDate(calendar.yearShown(), calendar.monthShown(), 1).toString(QStringLiteral("yyyy-MM")));
}

bool CalendarMarksDay(const CDialog& dialog, int calendarId, int year, int month, int day) {
    return CalendarOf(dialog, calendarId).dateTextFormat(QDate(year, month, day)) !=
           QTextCharFormat();
}

bool CalendarShowsWeekNumbers(const CDialog& dialog, int calendarId) {
    return CalendarOf(dialog, calendarId).verticalHeaderFormat() !=
           QCalendarWidget::NoVerticalHeader;
}

} // namespace drive
