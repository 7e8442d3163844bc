#include "canopen/pdo_builder.h"
