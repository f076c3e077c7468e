#include "ColourAnimation.h"
