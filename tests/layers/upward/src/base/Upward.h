#pragma once
// The layers check must fail on this tree: base/ may include nothing of ours.
#include "settings/SettingsRecord.h"
