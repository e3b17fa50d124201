#include "quantities.h"
