// The toolbar strips of the main window, of the spectrum window and of the analyser: 16 x 15
// buttons drawn pixel by pixel in the 16 VGA colours, on the light grey that the toolbar shows
// as its face.
#include "tools/picturegen/Pictures.h"
#include "tools/picturegen/PictureFiles.h"

#include <array>
#include <cstring>
#include <vector>

namespace
{
	constexpr int BUTTON_WIDTH = 16;
	constexpr int BUTTON_HEIGHT = 15;

	const std::vector<Rgb8> s_vgaPalette = {
		{0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128},
		{192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255},
		{255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

	// One letter per palette entry, in palette order; '.' is the light grey face.
	constexpr const char* PALETTE_LETTERS = "krgonpt.dRGYBMCW";

	using Button = std::array<const char*, BUTTON_HEIGHT>;

	// Esci: an open door, its leaf swung out, and an arrow leaving through it.
	const Button s_exit = {
		"................",
		".kkkkkkkk.......",
		".kYokknnk.......",
		".kYooknnk.kk....",
		".kYooknnk.kGk...",
		".kYookkkkkkGGk..",
		".kYookGGGGGGGGk.",
		".kYoYkGGGGGGGGGk",
		".kYookGGGGGGGGk.",
		".kYookkkkkkGGk..",
		".kYooknnk.kGk...",
		".kYooknnk.kk....",
		".kYooknnk.......",
		".kkookkkk.......",
		"...kkk..........",
	};

	// Salva: a floppy disk with its label and its shutter.
	const Button s_save = {
		"................",
		".kkkkkkkkkkkkk..",
		".knWWWWWWWWWnnk.",
		".knWWWWWWWWWnnk.",
		".knWddddddWWnnk.",
		".knWWWWWWWWWnnk.",
		".knWddddWWWWnnk.",
		".knWWWWWWWWWnnk.",
		".knnnnnnnnnnnnk.",
		".knnn.......nnk.",
		".knnn.nn....nnk.",
		".knnn.nn....nnk.",
		".knnn.nn....nnk.",
		".knnn.......nnk.",
		".kkkkkkkkkkkkkk.",
	};

	// Ampiezza: a fast carrier whose envelope swells and shrinks.
	const Button s_amplitude = {
		"................",
		"...RRR..........",
		"..R.n.R.........",
		".Rn.n.nR.......R",
		"R.n.n.n.R.....R.",
		"n.n.n.n.nR...Rn.",
		"n.n.n.n.n.RRR.n.",
		"n.n.n.n.n.n.n.n.",
		"n.n.n.n.n.RRR.n.",
		"n.n.n.n.nR...Rn.",
		"R.n.n.n.R.....R.",
		".Rn.n.nR.......R",
		"..R.n.R.........",
		"...RRR..........",
		"................",
	};

	// Frequenza: a sine whose cycles bunch up and spread out again.
	const Button s_frequency = {
		"................",
		"................",
		"...n.......n....",
		"..n.n......n....",
		"..n..n....n.n...",
		".n...n....n.n...",
		".n...n....n.n...",
		"n.....n..n..n...",
		"n.....n..n...n..",
		"......n..n...n..",
		".......n.n...n..",
		".......nn.....nn",
		"........n.....n.",
		"................",
		"................",
	};

	// Fase: two traces of the same sine, the lower one a quarter of a cycle late.
	const Button s_phase = {
		"................",
		"................",
		"..nn........nn..",
		".n..n......n..n.",
		"n....n....n....n",
		"......n..n......",
		".......nn.......",
		"................",
		"................",
		"RR........RR....",
		"..R......R..R..R",
		"...R....R....RR.",
		"....R..R........",
		".....RR.........",
		"................",
	};

	// Spettro: spectral lines of different heights on a baseline.
	const Button s_spectrum = {
		"................",
		"................",
		".......Bn.......",
		".......Bn.......",
		".......Bn.......",
		".......Bn.......",
		"....Bn.Bn.Bn....",
		"....Bn.Bn.Bn....",
		"....Bn.Bn.Bn....",
		"....Bn.Bn.Bn....",
		".Bn.Bn.Bn.Bn.Bn.",
		".Bn.Bn.Bn.Bn.Bn.",
		".Bn.Bn.Bn.Bn.Bn.",
		"kkkkkkkkkkkkkkkk",
		"................",
	};

	// Informazioni: a white i on a blue disc.
	const Button s_about = {
		"................",
		".....nnnnnn.....",
		"....nBBBBBBn....",
		"...nBBBWWBBBn...",
		"..nBBBBWWBBBBn..",
		"..nBBBBBBBBBBn..",
		".nBBBBWWWBBBBBn.",
		".nBBBBBWWBBBBBn.",
		".nBBBBBWWBBBBBn.",
		"..nBBBBWWBBBBn..",
		"..nBBBBWWBBBBn..",
		"...nBBWWWWBBn...",
		"....nBBBBBBn....",
		".....nnnnnn.....",
		"................",
	};

	// Stampa: a printer with a sheet going in at the back and a printed one coming out.
	const Button s_print = {
		"................",
		"....kkkkkkkk....",
		"....kWWWWWWk....",
		"....kWkkkkWk....",
		"....kWWWWWWk....",
		"..kkkkkkkkkkkk..",
		".kWWWWWWWWWWWdk.",
		".kW.........Gdk.",
		".kW..........dk.",
		".kddddddddddddk.",
		".kkkkkkkkkkkkkk.",
		"...kWWWWWWWWk...",
		"...kWkkkkkkWk...",
		"...kWWWWWWWWk...",
		"...kkkkkkkkkk...",
	};

	// Imposta Stampante: the printer with a blue cog beside its sheet.
	const Button s_printSetup = {
		"....kkkk....B...",
		"....kWWk..BBBBB.",
		"....kWWk..BBWBB.",
		"....kWWk.BBWWWBB",
		"....kWWk..BBWBB.",
		"..kkkkkkkkBBBBBk",
		".kWWWWWWWWWWBdk.",
		".kW.........Gdk.",
		".kW..........dk.",
		".kddddddddddddk.",
		".kkkkkkkkkkkkkk.",
		"...kWWWWWWWWk...",
		"...kWkkkkkkWk...",
		"...kWWWWWWWWk...",
		"...kkkkkkkkkk...",
	};

	// Apri: a yellow folder, its front flap open.
	const Button s_open = {
		"................",
		"................",
		"................",
		".kkkk...........",
		"kWYYYk..........",
		"kYYYYYkkkkkkk...",
		"kYYYYYYYYYYYk...",
		"kYYYkkkkkkkkkkkk",
		"kYYkYYYYYYYYYYk.",
		"kYkYYYYYYYYYYk..",
		"kYkYYYYYYYYYYk..",
		"kkYYYYYYYYYYk...",
		"kkkkkkkkkkkkk...",
		"................",
		"................",
	};

	// Numero di armoniche: three lines and the arrows that ask for more or fewer.
	const Button s_harmonicCount = {
		"................",
		"...........k....",
		"..........kRk...",
		".........kRRRk..",
		".Bn.....kRRRRRk.",
		".Bn.....kkkkkkk.",
		".Bn.............",
		".Bn.Bn..........",
		".Bn.Bn..kkkkkkk.",
		".Bn.Bn..kRRRRRk.",
		".Bn.Bn...kRRRk..",
		".Bn.Bn.Bn.kRk...",
		".Bn.Bn.Bn..k....",
		"kkkkkkkkkkk.....",
		"................",
	};

	// Tutte le armoniche: a whole comb of lines, each lower than the one before.
	const Button s_allHarmonics = {
		"................",
		"................",
		".B..............",
		".B..............",
		".B..............",
		".B.B............",
		".B.B............",
		".B.B.B..........",
		".B.B.B.B........",
		".B.B.B.B.B......",
		".B.B.B.B.B.B....",
		".B.B.B.B.B.B.B..",
		".B.B.B.B.B.B.B.B",
		"kkkkkkkkkkkkkkkk",
		"................",
	};

	// In the order of each toolbar's buttons.
	const std::vector<const Button*> s_mainButtons = {
		&s_exit, &s_save, &s_amplitude, &s_frequency, &s_phase, &s_spectrum, &s_about};
	const std::vector<const Button*> s_spectrumButtons = {&s_exit, &s_print, &s_printSetup};
	const std::vector<const Button*> s_analyserButtons = {&s_exit, &s_open, &s_print, &s_harmonicCount, &s_allHarmonics};

	bool PaletteIndex(char c, uint8_t& nIndex)
	{
		const char* p = std::strchr(PALETTE_LETTERS, c);
		if (c == '\0' || p == nullptr)
			return false;
		nIndex = static_cast<uint8_t>(p - PALETTE_LETTERS);
		return true;
	}

	bool WriteButtonStrip(const std::string& path, const std::vector<const Button*>& buttons)
	{
		const int nButtons = static_cast<int>(buttons.size());
		const int nWidth = BUTTON_WIDTH * nButtons;
		std::vector<uint8_t> indices(static_cast<size_t>(nWidth) * BUTTON_HEIGHT);
		for (int nButton = 0; nButton < nButtons; nButton++)
		{
			const Button& button = *buttons[nButton];
			for (int y = 0; y < BUTTON_HEIGHT; y++)
			{
				if (std::strlen(button[y]) != BUTTON_WIDTH)
					return false;
				for (int x = 0; x < BUTTON_WIDTH; x++)
				{
					uint8_t nIndex = 0;
					if (!PaletteIndex(button[y][x], nIndex))
						return false;
					indices[static_cast<size_t>(y) * nWidth + nButton * BUTTON_WIDTH + x] = nIndex;
				}
			}
		}
		return WriteIndexedBmp(path, nWidth, BUTTON_HEIGHT, 4, s_vgaPalette, indices);
	}
}

bool WriteToolbarPicture(const std::string& path)
{
	return WriteButtonStrip(path, s_mainButtons);
}

bool WriteSpectrumToolbarPicture(const std::string& path)
{
	return WriteButtonStrip(path, s_spectrumButtons);
}

bool WriteAnalyserToolbarPicture(const std::string& path)
{
	return WriteButtonStrip(path, s_analyserButtons);
}
