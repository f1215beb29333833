// The program ondivar-fourier: the one application object, and the entry point, which hands the
// command line to it before the framework runs it.
#include "analyser/FourierApp.h"

CFourierApp theApp;

int main(int argc, char* argv[])
{
	theApp.ParseCommandLine(argc, argv);
	return AfxWinMain(argc, argv);
}
