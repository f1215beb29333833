// The pictures Ondivar and the analyser embed, each drawn and written to the given file, and each
// program's icon as a PNG file of the given size for the desktop's icon theme.
#pragma once

#include <string>

bool WriteToolbarPicture(const std::string& path);
bool WriteSpectrumToolbarPicture(const std::string& path);
bool WriteIconPicture(const std::string& path);
bool WriteSplashPicture(const std::string& path);
bool WriteIconPng(const std::string& path, int nSize);
bool WriteAnalyserToolbarPicture(const std::string& path);
bool WriteAnalyserIconPicture(const std::string& path);
bool WriteAnalyserIconPng(const std::string& path, int nSize);
