#include "CliUsage.h"

#include "CliOptionTable.h"
#include "CliSubcommands.h"
#include "FieldText.h"
#include "FormRecord.h"

namespace {

constexpr std::size_t kDetailsIndent = 29;

// Option name and its value placeholder, padded so the descriptions line up.
std::string OptionColumn(const OptionInfo& option) {
    std::string column = std::string("  --") + option.name;
    switch (option.kind) {
        case OptionKind::Units:
            column += " english|si";
            break;
        case OptionKind::Number:
            column += " NUMBER";
            break;
        case OptionKind::List:
            column += " ENTRY";
            break;
        case OptionKind::Date:
            column += " YYYY-MM-DD";
            break;
        case OptionKind::Time:
            column += " HH:MM";
            break;
        case OptionKind::Choice:
            for (int i = 0; i < option.nChoices; ++i)
                column += std::string(i == 0 ? " " : "|") + option.choices[i];
            break;
        case OptionKind::File:
            column += std::string(" ") + (option.placeholder ? option.placeholder : "FILE");
            break;
        case OptionKind::Value:
            column += std::string(" ") + (option.placeholder ? option.placeholder : "VALUE");
            break;
        case OptionKind::Flag:
        case OptionKind::Help:
        case OptionKind::Version:
            break;
    }
    constexpr std::size_t kColumnWidth = 27;
    column.append(column.size() < kColumnWidth ? kColumnWidth - column.size() : 1, ' ');
    return column;
}

std::string RangeText(FormRecord& record, RealField field) {
    return FieldRangeText(record, field) + " (default " +
           FormatFieldDouble(*BindRealField(record, field).pValue) + ")";
}

std::string NumberText(RealField field) {
    FormRecord english;
    FormRecord si;
    ApplyUnitSystem(si, UnitSystem::SI);
    if (field == RealField::Latitude) return RangeText(english, field);
    return RangeText(english, field) + "; SI: " + RangeText(si, field);
}

int DefaultEntry(ListMember member) {
    const SimulationInputs defaults;
    switch (member) {
        case ListMember::Sky:
            return defaults.m_nSkyCondition;
        case ListMember::Mix:
            return defaults.m_nMixType;
        case ListMember::PgHigh:
            return defaults.m_nPgHigh;
        case ListMember::PgLow:
            return defaults.m_nPgLow;
        case ListMember::Material:
            return defaults.m_nMaterialType;
        case ListMember::Moisture:
            return defaults.m_nMoistureContent;
        case ListMember::State:
            break;
    }
    return defaults.m_nMoistureState;
}

std::string ListText(const ListInfo& list) {
    std::string text;
    for (int i = 0; i < list.nCount; ++i)
        text += (i == 0 ? "" : ", ") + FormatFieldInt(i) + " \"" + list.names[i] + "\"";
    return text + " (default " + FormatFieldInt(DefaultEntry(list.member)) + ")";
}

// A table's details with every line after the first indented to the description column.
std::string IndentedDetails(const char* details) {
    std::string text;
    for (const char* p = details ? details : ""; *p != '\0'; ++p)
        text += *p == '\n' ? "\n" + std::string(kDetailsIndent, ' ') : std::string(1, *p);
    return text;
}

std::string Details(const OptionInfo& option) {
    switch (option.kind) {
        case OptionKind::Units:
            return "default english";
        case OptionKind::Number:
            return NumberText(option.field);
        case OptionKind::List:
            return ListText(option.list);
        case OptionKind::Date:
            return "1990-01-01 to 3001-12-31, 29 February in leap years only (default today)";
        case OptionKind::Time:
            return "hour 0 to 24, minute 0 to 60 (default now)";
        case OptionKind::Choice:
        case OptionKind::File:
        case OptionKind::Flag:
        case OptionKind::Value:
            return IndentedDetails(option.details);
        case OptionKind::Help:
        case OptionKind::Version:
            break;
    }
    return "";
}

}  // namespace

std::string OptionLines(std::span<const OptionInfo> table) {
    std::string text;
    for (const OptionInfo& option : table) {
        text += OptionColumn(option) + option.meaning;
        const std::string details = Details(option);
        if (!details.empty()) text += ":\n" + std::string(kDetailsIndent, ' ') + details;
        text += "\n";
    }
    return text;
}

std::string CliUsageText() {
    std::string text =
        "Usage: dravonel-cli [--option value | --option=value]...\n"
        "       dravonel-cli SUBCOMMAND [--option value]...\n"
        "Runs one pavement cooling calculation and writes its report or a JSON object.\n"
        "Every option is optional: a value left out keeps the start value of the form, and the\n"
        "paving date and time are the local clock's. A list option takes the entry's zero-based\n"
        "index or its text. Numbers are in the unit system chosen with --units; a form field reads\n"
        "no more than 31 characters, so a longer number is refused.\n\n";
    text += OptionLines(CliOptions());
    text += "\nSubcommands (each explains itself with --help):\n";
    for (const CliSubcommand& subcommand : CliSubcommands()) {
        std::string column = std::string("  ") + subcommand.name;
        column.append(column.size() < kDetailsIndent - 2 ? kDetailsIndent - 2 - column.size() : 1, ' ');
        text += column + subcommand.summary + "\n";
    }
    text +=
        "\nThe report's date line is the local time now, or SOURCE_DATE_EPOCH (seconds, shown as UTC)\n"
        "when that is set.\n"
        "Exit status: 0 done, 1 the output could not be written (also when standard output is a\n"
        "pipe whose reader has gone), 2 an option or the job file was refused.\n";
    return text;
}
