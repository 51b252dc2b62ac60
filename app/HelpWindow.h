#pragma once

#include <QTextBrowser>

// The program's own help: a non-modal window showing the help page, kept above its owner.
class CHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // pOwner: the main frame (may be nullptr); the window closes with it.
    explicit CHelpWindow(QWidget* pOwner);

    // Shows and raises the window, scrolled to the section named by anchor ("" for the top).
    void ShowTopic(const QString& anchor);
};
