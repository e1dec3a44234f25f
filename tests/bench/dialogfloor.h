// tests/bench/dialogfloor.h: the floor dialogs' resource IDs.
#pragma once

#define IDD_FLOOR 1
#define IDB_FLOOR 2
#define IDD_FLOOR_PAGE 3
