#pragma once

// Resource identifiers, shared by the resource script and the code.
#define IDI_QUORVEL 1
