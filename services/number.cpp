#include "services/number.h"
