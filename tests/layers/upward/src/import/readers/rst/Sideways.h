#pragma once
// A reader includes no other reader.
#include "import/readers/markdown/MarkdownCharacters.h"
