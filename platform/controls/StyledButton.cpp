#include "StyledButton.h"
