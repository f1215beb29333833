// The Qt paint device behind a CPaintDevice the driver hands out.
#pragma once

#include "framework/ui/backend/Driver.h"

class QPaintDevice;

class CQtPaintDevice : public CPaintDevice
{
public:
	explicit CQtPaintDevice(QPaintDevice* pDevice)
		: m_pDevice(pDevice)
	{
	}

	QPaintDevice* Device() const
	{
		return m_pDevice;
	}

private:
	QPaintDevice* m_pDevice;
};
