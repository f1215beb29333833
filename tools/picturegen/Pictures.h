// The three pictures the program embeds, each drawn and written to the given file.
#pragma once

#include <string>

bool WriteToolbarPicture(const std::string& path);
bool WriteIconPicture(const std::string& path);
bool WriteSplashPicture(const std::string& path);
