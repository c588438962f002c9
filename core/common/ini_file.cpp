#include "common/ini_file.h"
