#pragma once

#include <optional>

#include "FormRecord.h"

class CDravonelView;

// The form as it shows itself now, read without changing it: the record the form's Calculate would read
// (edits typed but not yet left, lists without a handler of their own), while the form's members, and
// what its next write puts back into its controls, stay as they were. A field that refuses its text is
// handled as the form handles it (its prompt, the focus on it) and nothing is returned.
std::optional<FormRecord> ReadFormAsShown(CDravonelView& view);
