// picturegen: draws the program's toolbar strip, icon and start-up picture into a folder.
#include "tools/picturegen/Pictures.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		std::fprintf(stderr, "usage: picturegen <output-folder>\n");
		return 2;
	}
	const std::string folder = argv[1];
	struct
	{
		const char* szName;
		bool (*pfnWrite)(const std::string&);
	} const pictures[] = {
		{"toolbar.bmp", WriteToolbarPicture},
		{"ondivar.ico", WriteIconPicture},
		{"splash.bmp", WriteSplashPicture},
	};
	for (const auto& picture : pictures)
	{
		const std::string path = folder + "/" + picture.szName;
		if (!picture.pfnWrite(path))
		{
			std::fprintf(stderr, "picturegen: cannot write %s\n", path.c_str());
			return 1;
		}
	}
	return 0;
}
