// A scratch folder for file tests, removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

class TempFolder
{
public:
	TempFolder()
	{
		std::string pattern = ::testing::TempDir() + "framework_core_XXXXXX";
		if (::mkdtemp(&pattern[0]) == nullptr)
			ADD_FAILURE() << "cannot create a scratch folder from " << pattern;
		m_path = pattern;
	}

	~TempFolder()
	{
		std::error_code error;
		std::filesystem::remove_all(m_path, error);
	}

	TempFolder(const TempFolder&) = delete;
	TempFolder& operator=(const TempFolder&) = delete;

	std::string PathOf(const std::string& name) const
	{
		return (m_path / name).string();
	}

private:
	std::filesystem::path m_path;
};
