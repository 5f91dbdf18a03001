#include "services/random.h"
