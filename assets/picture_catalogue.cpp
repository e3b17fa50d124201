#include "picture_catalogue.h"
