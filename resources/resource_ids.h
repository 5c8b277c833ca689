#pragma once

// Identifiers shared by the resource script and the code.
#define IDI_MAINICON 1
