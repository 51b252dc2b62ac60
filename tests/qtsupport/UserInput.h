#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Input as a user gives it, for windows shown offscreen.

// Shows the window and makes it the active one, so that focus changes and keys are real; false when it
// did not become active in time.
bool ShowActive(QWidget& window);
// In an edit that has the focus: selects all (Ctrl+A), deletes it and types `text` key by key.
void ReplaceText(QLineEdit& edit, const QString& text);
