#pragma once

class CDravonelView;
class CKeptScenarios;

// What every tool window works with: the form (its units, inputs and shown result, and the signals
// unitsChanged, resultChanged and inputsChanged) and the scenarios kept for comparison. Both outlive
// every tool window.
struct ToolContext {
    CDravonelView& view;
    CKeptScenarios& kept;
};
