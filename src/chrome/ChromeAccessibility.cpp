#include "ChromeAccessibility.h"

void InstallChromeAccessibility() {}
