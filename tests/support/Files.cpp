// The tests' scratch folders, small files and other programs' output.
#include "tests/support/Files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

CScratchFolder::CScratchFolder()
{
	std::string strTemplate = (std::filesystem::temp_directory_path() / "ondivar-XXXXXX").string();
	if (mkdtemp(&strTemplate[0]) == nullptr)
	{
		throw std::runtime_error("no scratch folder from " + strTemplate);
	}
	m_strPath = strTemplate;
}

CScratchFolder::~CScratchFolder()
{
	std::error_code error;
	std::filesystem::remove_all(m_strPath, error);
}

std::string CScratchFolder::Path() const
{
	return m_strPath;
}

std::string CScratchFolder::Path(const std::string& strName) const
{
	return m_strPath + "/" + strName;
}

std::vector<std::string> CScratchFolder::Names() const
{
	std::vector<std::string> names;
	for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(m_strPath))
	{
		names.push_back(entry.path().filename().string());
	}
	std::sort(names.begin(), names.end());
	return names;
}

bool WriteFile(const std::string& strPath, const std::string& strText)
{
	std::ofstream file(strPath);
	file << strText;
	return static_cast<bool>(file);
}

bool FileExists(const std::string& strPath)
{
	std::error_code error;
	return std::filesystem::exists(strPath, error);
}

std::string CommandOutput(const std::string& strCommand)
{
	std::string strOutput;
	FILE* pPipe = popen(strCommand.c_str(), "r");
	if (pPipe == nullptr)
	{
		return strOutput;
	}
	char buffer[4096];
	size_t nRead;
	while ((nRead = std::fread(buffer, 1, sizeof(buffer), pPipe)) > 0)
	{
		strOutput.append(buffer, nRead);
	}
	pclose(pPipe);
	return strOutput;
}
