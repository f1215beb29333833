// picturegen: draws Ondivar's toolbar strips, icon and start-up picture into one folder and the
// analyser's toolbar strip and icon into another, and each program's icon at the sizes of the
// desktop's icon theme into that folder's hicolor/ subfolder, laid out as the theme is.
#include "tools/picturegen/Pictures.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace
{
	struct Picture
	{
		const char* szName;
		bool (*pfnWrite)(const std::string&);
	};

	bool WritePictures(const std::string& folder, std::initializer_list<Picture> pictures)
	{
		for (const Picture& picture : pictures)
		{
			const std::string path = folder + "/" + picture.szName;
			if (!picture.pfnWrite(path))
			{
				std::fprintf(stderr, "picturegen: cannot write %s\n", path.c_str());
				return false;
			}
		}
		return true;
	}

	bool WriteThemeIcons(const std::string& folder, const std::string& name, bool (*pfnWrite)(const std::string&, int))
	{
		for (int nSize : {16, 32, 48, 64, 128, 256})
		{
			const std::string size = std::to_string(nSize);
			const std::string apps = folder + "/hicolor/" + size + "x" + size + "/apps";
			std::error_code error;
			std::filesystem::create_directories(apps, error);
			const std::string path = apps + "/" + name + ".png";
			if (error || !pfnWrite(path, nSize))
			{
				std::fprintf(stderr, "picturegen: cannot write %s\n", path.c_str());
				return false;
			}
		}
		return true;
	}
}

int main(int argc, char** argv)
{
	if (argc != 3)
	{
		std::fprintf(stderr, "usage: picturegen <ondivar-folder> <analyser-folder>\n");
		return 2;
	}
	const std::string ondivar = argv[1];
	const std::string analyser = argv[2];
	const bool bWritten = WritePictures(ondivar,
							  {{"toolbar.bmp", WriteToolbarPicture}, {"spectrumbar.bmp", WriteSpectrumToolbarPicture},
								  {"ondivar.ico", WriteIconPicture}, {"splash.bmp", WriteSplashPicture}})
		&& WriteThemeIcons(ondivar, "ondivar", WriteIconPng)
		&& WritePictures(analyser,
			{{"fourierbar.bmp", WriteAnalyserToolbarPicture}, {"ondivar-fourier.ico", WriteAnalyserIconPicture}})
		&& WriteThemeIcons(analyser, "ondivar-fourier", WriteAnalyserIconPng);
	return bWritten ? 0 : 1;
}
