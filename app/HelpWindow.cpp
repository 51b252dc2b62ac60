#include "HelpWindow.h"

#include "HelpText.h"

CHelpWindow::CHelpWindow(QWidget* pOwner) : QTextBrowser(pOwner) {
    // A top-level window of its own that stays with the frame, not a child drawn inside it.
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("KELVANOR Help"));
    setOpenLinks(true);
    setOpenExternalLinks(false);
    setHtml(QString::fromUtf8(HelpPageHtml()));
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 36);
}

void CHelpWindow::ShowTopic(const QString& anchor) {
    show();
    raise();
    activateWindow();
    if (anchor.isEmpty()) {
        moveCursor(QTextCursor::Start);
        ensureCursorVisible();
    } else {
        scrollToAnchor(anchor);
    }
}
