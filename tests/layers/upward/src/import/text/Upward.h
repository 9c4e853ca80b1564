#pragma once
// The finishing steps include no reader.
#include "import/readers/html/HtmlText.h"
