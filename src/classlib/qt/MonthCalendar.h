// The month calendar control on Qt's calendar widget: one day selected at a time, today marked,
// no week numbers, and the range of days of the window system's month calendar.
#pragma once

#include <QCalendarWidget>

class MonthCalendar : public QCalendarWidget {
public:
    explicit MonthCalendar(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* m_dayGrid;
};
