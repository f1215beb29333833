// What the saving tests share: files read back as bytes, a signal serialized in memory, the
// program's saving messages, and a look at the disk when the shell is asked.
#pragma once

#include "tests/support/ScriptedUser.h"

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

std::vector<unsigned char> FileBytes(const std::string& strPath);
void WriteBytes(const std::string& strPath, const std::vector<unsigned char>& bytes);
// The signal as a storing archive writes it.
std::vector<unsigned char> SerializedBytes(CSignal& signal);

// Watches over the user's shoulder while it lives and reads the file the shell is asked to open,
// at the moment it is asked.
class CShellWitness
{
public:
	explicit CShellWitness(CScriptedUser& user);
	~CShellWitness();

	CShellWitness(const CShellWitness&) = delete;
	CShellWitness& operator=(const CShellWitness&) = delete;

	std::vector<unsigned char> m_bytesAtOpen;

private:
	CScriptedUser& m_user;
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
