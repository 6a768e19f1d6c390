// The form description of the setup dialog: its frame and every component, as data.
#pragma once
#include "formdesc.h"

extern const ui::FormDesc SetupFormDesc;
