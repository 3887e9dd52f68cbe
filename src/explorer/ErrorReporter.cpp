#include "ErrorReporter.h"

#include "NoticeHold.h"

#include <QApplication>
#include <QMessageBox>

void ReportViewError(TErrorReporter* reporter, const std::exception& error) {
    const TNoticeHold hold;
    if (reporter) {
        reporter->reportError(error);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                          QString::fromUtf8(error.what()), QMessageBox::Ok);
}
