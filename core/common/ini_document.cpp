#include "common/ini_document.h"
