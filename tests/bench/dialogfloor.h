// tests/bench/dialogfloor.h: the floor dialog's resource IDs.
#pragma once

#define IDD_FLOOR 1
#define IDB_FLOOR 2
