// resources.h: the ids of the program's resources, shared by the code and pebblix.rc.
#pragma once

// The window's picture, at 16, 32, 48 and 256 pixels.
#define IDI_PEBBLIX 1
