// When the desktop session ends, or the process is asked to stop (SIGTERM, SIGHUP, SIGINT), the
// open dialogs are closed as if the person had closed them, innermost first, so that each one's
// own closing runs: the main dialog saves the portfolio on its way out.
#pragma once

class QApplication;

void CloseDialogsWhenTheSessionEnds(QApplication& application);
