#pragma once

#include <span>

// A dialog or form template: coordinates in dialog units (so the layout follows the font's size),
// controls in template order, which is also the tab order.

enum class ControlKind {
    Edit,          // editable, border, auto horizontal scroll, tab stop
    ReadOnlyEdit,  // read-only, border, no tab stop (results)
    LabelEdit,     // read-only, no border, no tab stop (unit labels)
    ComboList,     // drop-down list, not sorted, tab stop; h is the opened list's height
    PushButton,
    DefPushButton,
    RadioGroupStart,  // automatic radio button starting a group, tab stop
    Radio,            // automatic radio button in the current group
    GroupBox,
    Static,
    Picture,  // bitmap or icon named by `text` (a resource name); takes the picture's own size
};

struct ControlTemplate {
    int id;  // 0 for a control nothing refers to
    ControlKind kind;
    const char* text;
    int x, y, w, h;
    std::span<const char* const> listItems = {};  // initial entries of a combo list
};

// What assistive technology calls a control that has no text of its own: the text of the label beside it.
struct ControlName {
    int id;
    const char* name;
};

struct DialogTemplate {
    const char* caption;  // nullptr for a form (child window, no caption)
    int width, height;    // dialog units
    bool systemMenu;      // a close box; the disclaimer has none
    std::span<const ControlTemplate> controls;
    bool minimizeBox = false;                           // only the Export dialog has one
    std::span<const ControlName> accessibleNames = {};  // names of controls by id
};
