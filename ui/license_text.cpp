#include "app/embed.h"

EMBED_TEXT(kLicenseText, LICENSE_TEXT_PATH);
