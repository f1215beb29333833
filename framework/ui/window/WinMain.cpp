// The program's entry point, linked into programs built on the framework.
#include "framework/ui/window/WinApp.h"

int main(int argc, char* argv[])
{
	return AfxWinMain(argc, argv);
}
