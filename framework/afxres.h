// framework/afxres.h: the framework's own command IDs.
#pragma once

#define ID_HELP 0xE146
