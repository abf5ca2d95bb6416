#include "MonthCalendar.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextCharFormat>

MonthCalendar::MonthCalendar(QWidget* parent)
    : QCalendarWidget(parent),
      m_dayGrid(findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"))) {
    setSelectionMode(SingleSelection);
    setVerticalHeaderFormat(NoVerticalHeader);
    setDateEditEnabled(false);
    setMinimumDate(QDate(1601, 1, 1));
    setMaximumDate(QDate(9999, 12, 31));
    QTextCharFormat today;
    today.setFontWeight(QFont::Bold);
    today.setFontUnderline(true);
    setDateTextFormat(QDate::currentDate(), today);
    if (m_dayGrid != nullptr) {
        m_dayGrid->installEventFilter(this);
    }
}

// Enter in the grid of days presses the dialog's default button, as in any other control.
bool MonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_dayGrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (QWidget* dialog = window()) {
                QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
                QCoreApplication::sendEvent(dialog, &copy);
            }
            return true;
        }
    }
    return QCalendarWidget::eventFilter(watched, event);
}

// Enter that ends the typing of a year stays in the calendar, so that the person can go on to
// pick a day in that year.
void MonthCalendar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_dayGrid != nullptr) {
            m_dayGrid->setFocus(Qt::OtherFocusReason);
        }
        event->accept();
        return;
    }
    QCalendarWidget::keyPressEvent(event);
}
