#include "FloatSlider.h"
