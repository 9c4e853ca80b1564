#pragma once
// The host may use base and platform only.
#include "plugin/ZandrelPlugin.h"
