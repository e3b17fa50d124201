#include "extended.h"
