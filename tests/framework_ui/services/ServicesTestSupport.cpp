// File and process helpers of the common services' tests.
#include "tests/framework_ui/services/ServicesTestSupport.h"

#include <cstdio>
#include <fstream>

#include <sys/stat.h>

bool WriteFile(const std::string& strPath, const std::string& strText)
{
	std::ofstream file(strPath);
	file << strText;
	return static_cast<bool>(file);
}

bool FileExists(const std::string& strPath)
{
	struct stat info;
	return stat(strPath.c_str(), &info) == 0;
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
	while ((nRead = fread(buffer, 1, sizeof(buffer), pPipe)) > 0)
	{
		strOutput.append(buffer, nRead);
	}
	pclose(pPipe);
	return strOutput;
}
