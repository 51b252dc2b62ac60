#pragma once

class CDravonelView;
class QWidget;

// Ctrl+P: asks for the printer with the print dialog (through the UiServices seam), then prints one
// page with the form's inputs, both times and the cooling chart as the view holds them now.
// Returns true when the page was printed; false when the dialog was cancelled, or, after a message box
// saying so, when the printer could not be opened or the job failed.
bool PrintFormPage(const CDravonelView& view, QWidget* pOwner);
