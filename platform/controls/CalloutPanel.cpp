#include "CalloutPanel.h"
