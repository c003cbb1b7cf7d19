#include "ui/control_def.h"

const PageDef& PageDefinition(WizardPageId page) {
  switch (page) {
    case WizardPageId::WelcomePage:
      return kWelcomePage;
    case WizardPageId::LicensePage:
      return kLicensePage;
    case WizardPageId::DestinationPage:
      return kDestinationPage;
    case WizardPageId::ProgressPage:
      break;
  }
  return kProgressPage;
}
