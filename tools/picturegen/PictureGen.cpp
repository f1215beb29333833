// picturegen: draws the program's toolbar strips, icon and start-up picture into a folder, and the
// icon at the sizes of the desktop's icon theme into its hicolor/ subfolder, laid out as the theme is.
#include "tools/picturegen/Pictures.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

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
		{"spectrumbar.bmp", WriteSpectrumToolbarPicture},
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
	for (int nSize : {16, 32, 48, 64, 128, 256})
	{
		const std::string size = std::to_string(nSize);
		const std::string apps = folder + "/hicolor/" + size + "x" + size + "/apps";
		std::error_code error;
		std::filesystem::create_directories(apps, error);
		const std::string path = apps + "/ondivar.png";
		if (error || !WriteIconPng(path, nSize))
		{
			std::fprintf(stderr, "picturegen: cannot write %s\n", path.c_str());
			return 1;
		}
	}
	return 0;
}
