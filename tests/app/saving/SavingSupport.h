// What the saving tests share: a scratch folder, files read back as bytes, a signal serialized
// in memory, the program's saving messages, and a look at the disk when the shell is asked.
#pragma once

#include "framework/ui/window/ModalSeam.h"

#include <string>
#include <vector>

class CSignal;

constexpr char TEXT_SAVE_FAILED[] = "Impossibile salvare il segnale.\nOperazione annullata!";
constexpr char TEXT_SAVE_CHANGES[] = "Vuoi salvare le modifiche?";
constexpr char TEXT_FOURIER_OFFER[] = "L'indice di modulazione è maggiore di 1(m>1)\n"
	"Il segnale modulato risulterà distorto.\n"
	"Vuoi analizzare il segnale mediante la trasformata di Fourier?";
constexpr char TEXT_SAVE_BEFORE_FOURIER[] = "Prima di procedere con la trasformata di Fourier è necessario salvare il "
	"segnale.\nVuoi procedere con il salvataggio?";
constexpr char TEXT_FOURIER_NOT_SAVED[] = "Salvataggio del segnale non effettuato.\n"
	"Impossibile procedere con la trasformata di Fourier!";
constexpr char TEXT_FOURIER_FAILED[] = "Impossibile procedere con l'analisi automatica del segnale!";

// A fresh folder under /tmp, removed with everything in it.
class CScratchFolder
{
public:
	CScratchFolder();
	~CScratchFolder();

	CScratchFolder(const CScratchFolder&) = delete;
	CScratchFolder& operator=(const CScratchFolder&) = delete;

	std::string Path(const std::string& strName) const;
	// The names in the folder, sorted; a leftover temporary file shows up here.
	std::vector<std::string> Names() const;

private:
	std::string m_strFolder;
};

std::vector<unsigned char> FileBytes(const std::string& strPath);
void WriteBytes(const std::string& strPath, const std::vector<unsigned char>& bytes);
// The signal as a storing archive writes it.
std::vector<unsigned char> SerializedBytes(CSignal& signal);

// Stands in front of the scripted user and reads the file the shell is asked to open, at the
// moment it is asked; everything is then answered by the user behind it.
class CShellWitness : public CModalSeam
{
public:
	CShellWitness();
	~CShellWitness() override;

	CShellWitness(const CShellWitness&) = delete;
	CShellWitness& operator=(const CShellWitness&) = delete;

	INT_PTR OnModal(ModalRequest& request) override;

	std::vector<unsigned char> m_bytesAtOpen;
	int m_nOpens = 0;

private:
	CModalSeam* m_pUser;
};

// While it lives, regular files may not grow past nBytes; the signal that would end the process
// is ignored, so a write past the limit fails as on a full disk.
class CFileSizeLimit
{
public:
	explicit CFileSizeLimit(unsigned long nBytes);
	~CFileSizeLimit();

	CFileSizeLimit(const CFileSizeLimit&) = delete;
	CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
	unsigned long m_nPrevious;
	void (*m_pfnPrevious)(int);
};
