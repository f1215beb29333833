// The user of a long benchmark session behind the modal seam: unlike the tests' scripted user it
// keeps no record of what was shown, which would grow with the session and count as the program's.
#pragma once

#include "framework/ui/window/ModalSeam.h"

class CSessionSeam : public CModalSeam
{
public:
	CSessionSeam()
		: m_pPrevious(AfxSetModalSeam(this))
	{
	}
	~CSessionSeam() override
	{
		AfxSetModalSeam(m_pPrevious);
	}
	CSessionSeam(const CSessionSeam&) = delete;
	CSessionSeam& operator=(const CSessionSeam&) = delete;

private:
	CModalSeam* m_pPrevious;
};
