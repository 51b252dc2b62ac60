#include "ScriptedRecords.h"

#include "ScriptedUiServices.h"

QStringList MessageTexts(const ScriptedUiServices& ui) {
    QStringList texts;
    for (const auto& message : ui.m_messages) texts << message.text;
    return texts;
}

QStringList DialogClasses(const ScriptedUiServices& ui) {
    QStringList classes;
    for (const auto& dialog : ui.m_dialogs) classes << dialog.className;
    return classes;
}
