// The framework's typed collections: arrays of strings, object pointers, words and pointers,
// and the list of strings.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/String.h"
#include "framework/core/StringList.h"

class CStringArray : public CArray<CString>
{
	DECLARE_DYNAMIC(CStringArray)
};

class CObArray : public CArray<CObject*>
{
	DECLARE_DYNAMIC(CObArray)
};

class CWordArray : public CArray<WORD>
{
	DECLARE_DYNAMIC(CWordArray)
};

class CPtrArray : public CArray<void*>
{
	DECLARE_DYNAMIC(CPtrArray)
};
