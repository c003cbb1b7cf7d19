#include "ui/embed.h"

EMBED_FILE(kLicenseText, LICENSE_TEXT_PATH);
