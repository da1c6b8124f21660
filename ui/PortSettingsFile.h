#pragma once
// The port settings file lives with the link, where the command-line tool shares it.
#include "link/PortSettingsFile.h"
