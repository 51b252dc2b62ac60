#pragma once

#include <QStringList>

class ScriptedUiServices;

// What the scripted services recorded since their last ClearRecords, in order.

// The texts of the message boxes.
QStringList MessageTexts(const ScriptedUiServices& ui);
// The C++ classes of the modal dialogs, e.g. "CDisclaimerDlg".
QStringList DialogClasses(const ScriptedUiServices& ui);
