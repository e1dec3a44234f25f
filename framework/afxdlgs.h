// framework/afxdlgs.h: property sheets and pages.
#pragma once

#include "afxwin.h"
#include "propertypage.h"
#include "propertysheet.h"
