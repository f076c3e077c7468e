#include "ArcDial.h"
