// The program's version, as the build was made.

#include "app/ApplicationIdentity.h"

const char* ApplicationVersion() { return KMITY_VERSION; }
