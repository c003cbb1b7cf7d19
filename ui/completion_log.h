#pragma once

#include "app/program.h"

// The text the progress page's log box shows once the installation has run.
Text CompletionLog(Program& program);
