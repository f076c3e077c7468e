#include "GreyRampSlider.h"
