// The one application object of the program; the framework's main() runs it.
#include "app/ModApp.h"

CModApp theApp;
