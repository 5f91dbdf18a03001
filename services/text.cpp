#include "services/text.h"
