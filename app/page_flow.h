// How pages are opened, replaced and closed, and the shared exit confirmation.
#pragma once

#include "app/program.h"

bool LoadPage(Program& program, WizardPageId page);
void DestroyPage(Program& program, WizardPageId page);
void SwitchPage(Program& program, WizardPageId current, WizardPageId target);
void ConfirmExit(Program& program);
int ShowMessageBox(const char* text, unsigned style, const char* caption);

// Runs every message already waiting, leaving a WM_QUIT queued.
void DispatchWaiting(Program& program);
// Keyboard navigation first, then ordinary dispatch.
void DeliverMessage(Program& program, const plat::Message& message);
bool AnyPageAlive(const Program& program);
// Receives the platform's page events; context is the Program.
void OnPageEvent(void* context, plat::Handle page, plat::Event event, int id);
