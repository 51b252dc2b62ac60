#pragma once

#include <QString>
#include <memory>

#include "CDravonelView.h"
#include "KeptScenarios.h"
#include "ScriptedUiServices.h"
#include "TemporarySettings.h"
#include "ToolContext.h"

class QWidget;

// A form on screen with what the tool windows work with, every modal window scripted and the settings in a
// fresh folder. The form starts in SI units.
struct WindowFixture {
    WindowFixture();
    ~WindowFixture();

    // Puts `inputs` (SI) on the form and presses Calculate.
    void Calculate(const SimulationInputs& inputs);
    // Calculate, then keep the result for comparison.
    void CalculateAndKeep(const SimulationInputs& inputs);
    // Clicks the form's SI or English button.
    void ClickUnits(UnitSystem units);

    ScriptedUiServices ui;  // first: installed before and removed after everything else
    TemporarySettings settings;
    std::unique_ptr<CDravonelView> view;
    CKeptScenarios kept;
    ToolContext context;
};

// Problems with how `window`'s controls present themselves, "" when none: an input or result control
// (edit, list, button, spin box, table) that assistive technology would announce without a name, and a
// visible label or button narrower than its text.
QString NamesAndFit(QWidget& window);
