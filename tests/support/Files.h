// Files for tests: a scratch folder removed with its contents, small files written and looked
// for, and what another program writes.
#pragma once

#include <string>
#include <vector>

// A new empty folder under the temporary folder, removed with everything in it at the end of
// the scope; a test without one would write where it runs.
class CScratchFolder
{
public:
	CScratchFolder();
	~CScratchFolder();

	CScratchFolder(const CScratchFolder&) = delete;
	CScratchFolder& operator=(const CScratchFolder&) = delete;

	std::string Path() const;
	// The folder, a slash, then the name: an empty name gives the folder with a closing slash.
	std::string Path(const std::string& strName) const;
	// The names in the folder, sorted; a leftover temporary file shows up here.
	std::vector<std::string> Names() const;

private:
	std::string m_strPath;
};

// Writes a small file, making no folder for it.
bool WriteFile(const std::string& strPath, const std::string& strText);
bool FileExists(const std::string& strPath);
// Runs a shell command and returns what it wrote on its standard output.
std::string CommandOutput(const std::string& strCommand);
