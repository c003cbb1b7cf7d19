// Building a page's window and controls from its definition, and the operations handlers use
// on live controls.
#pragma once

#include "app/program.h"
#include "ui/control_def.h"

// Creates the page hidden and centred with all its controls, the visible ones shown without
// activation. False when the window cannot be created.
bool CreatePageWindow(Program& program, WizardPageId page);

// Gives the keyboard focus to the control the page opens with.
void FocusFirstControl(Program& program, WizardPageId page);

// Tab navigation for a key addressed to window; false when window belongs to no page.
bool MoveFocus(Program& program, plat::Handle window, bool backwards);

int ReadLeft(Program& program, WizardPageId page, int control);
int ReadWidth(Program& program, WizardPageId page, int control);
void SetLeft(Program& program, WizardPageId page, int control, int left);
void SetWidth(Program& program, WizardPageId page, int control, int width);
void SetDisabled(Program& program, WizardPageId page, int control, bool disabled);
void SetPeriod(Program& program, WizardPageId page, int control, int period);
Text ReadText(Program& program, WizardPageId page, int control);
void SetText(Program& program, WizardPageId page, int control, const char* text);
void ShowEndOfText(Program& program, WizardPageId page, int control);
