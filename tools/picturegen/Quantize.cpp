// Median cut over the picture's distinct colours, each weighted by how many pixels use it.
#include "tools/picturegen/Quantize.h"

#include <algorithm>
#include <array>
#include <map>

namespace
{
	constexpr int REFINE_ROUNDS = 6;

	struct WeightedColour
	{
		std::array<int, 3> c;
		long nCount;
	};

	using Box = std::vector<WeightedColour>;

	int LongestAxis(const Box& box, int& nRange)
	{
		int nAxis = 0;
		nRange = -1;
		for (int k = 0; k < 3; k++)
		{
			int lo = 255;
			int hi = 0;
			for (const WeightedColour& w : box)
			{
				lo = std::min(lo, w.c[k]);
				hi = std::max(hi, w.c[k]);
			}
			if (hi - lo > nRange)
			{
				nRange = hi - lo;
				nAxis = k;
			}
		}
		return nAxis;
	}

	long Pixels(const Box& box)
	{
		long n = 0;
		for (const WeightedColour& w : box)
			n += w.nCount;
		return n;
	}

	// The box worth splitting most is the one whose spread hurts the most pixels.
	int WorstBox(const std::vector<Box>& boxes)
	{
		int nWorst = -1;
		double dWorst = 0.0;
		for (size_t i = 0; i < boxes.size(); i++)
		{
			if (boxes[i].size() < 2)
				continue;
			int nRange = 0;
			LongestAxis(boxes[i], nRange);
			const double dScore = static_cast<double>(nRange) * static_cast<double>(Pixels(boxes[i]));
			if (dScore > dWorst)
			{
				dWorst = dScore;
				nWorst = static_cast<int>(i);
			}
		}
		return nWorst;
	}

	void Split(std::vector<Box>& boxes, int nBox)
	{
		Box& box = boxes[nBox];
		int nRange = 0;
		const int nAxis = LongestAxis(box, nRange);
		std::sort(box.begin(), box.end(),
			[nAxis](const WeightedColour& a, const WeightedColour& b) { return a.c[nAxis] < b.c[nAxis]; });
		const long nHalf = Pixels(box) / 2;
		long nSeen = 0;
		size_t nCut = 1;
		for (; nCut < box.size(); nCut++)
		{
			nSeen += box[nCut - 1].nCount;
			if (nSeen >= nHalf)
				break;
		}
		nCut = std::min(nCut, box.size() - 1);
		Box upper(box.begin() + static_cast<long>(nCut), box.end());
		box.resize(nCut);
		boxes.push_back(std::move(upper));
	}

	long Distance2(const std::array<int, 3>& a, const std::array<int, 3>& b)
	{
		long d = 0;
		for (int k = 0; k < 3; k++)
			d += static_cast<long>(a[k] - b[k]) * (a[k] - b[k]);
		return d;
	}

	size_t Nearest(const std::vector<std::array<int, 3>>& palette, const std::array<int, 3>& c)
	{
		size_t nBest = 0;
		long nBestDistance = Distance2(palette[0], c);
		for (size_t i = 1; i < palette.size(); i++)
		{
			const long d = Distance2(palette[i], c);
			if (d < nBestDistance)
			{
				nBestDistance = d;
				nBest = i;
			}
		}
		return nBest;
	}
}

IndexedPicture Quantize(const std::vector<uint8_t>& rgba, int nColours)
{
	std::map<std::array<int, 3>, long> histogram;
	for (size_t i = 0; i + 3 < rgba.size(); i += 4)
		histogram[{rgba[i], rgba[i + 1], rgba[i + 2]}]++;

	std::vector<Box> boxes(1);
	for (const auto& entry : histogram)
		boxes[0].push_back(WeightedColour{entry.first, entry.second});
	while (static_cast<int>(boxes.size()) < nColours)
	{
		const int nBox = WorstBox(boxes);
		if (nBox < 0)
			break;
		Split(boxes, nBox);
	}

	std::vector<std::array<int, 3>> palette;
	for (const Box& box : boxes)
	{
		std::array<double, 3> sum{};
		for (const WeightedColour& w : box)
		{
			for (int k = 0; k < 3; k++)
				sum[k] += static_cast<double>(w.c[k]) * w.nCount;
		}
		const double n = static_cast<double>(Pixels(box));
		palette.push_back({static_cast<int>(sum[0] / n + 0.5), static_cast<int>(sum[1] / n + 0.5),
			static_cast<int>(sum[2] / n + 0.5)});
	}

	std::map<std::array<int, 3>, size_t> choice;
	for (int nRound = 0; nRound <= REFINE_ROUNDS; nRound++)
	{
		for (const auto& entry : histogram)
			choice[entry.first] = Nearest(palette, entry.first);
		if (nRound == REFINE_ROUNDS)
			break;
		std::vector<std::array<double, 4>> sums(palette.size(), std::array<double, 4>{});
		for (const auto& entry : histogram)
		{
			std::array<double, 4>& s = sums[choice[entry.first]];
			for (int k = 0; k < 3; k++)
				s[k] += static_cast<double>(entry.first[k]) * entry.second;
			s[3] += static_cast<double>(entry.second);
		}
		for (size_t i = 0; i < palette.size(); i++)
		{
			if (sums[i][3] > 0.0)
			{
				for (int k = 0; k < 3; k++)
					palette[i][k] = static_cast<int>(sums[i][k] / sums[i][3] + 0.5);
			}
		}
	}

	IndexedPicture picture;
	picture.palette.assign(static_cast<size_t>(nColours), Rgb8{0, 0, 0});
	for (size_t i = 0; i < palette.size(); i++)
	{
		picture.palette[i] = Rgb8{static_cast<uint8_t>(palette[i][0]), static_cast<uint8_t>(palette[i][1]),
			static_cast<uint8_t>(palette[i][2])};
	}
	for (size_t i = 0; i + 3 < rgba.size(); i += 4)
		picture.indices.push_back(static_cast<uint8_t>(choice[{rgba[i], rgba[i + 1], rgba[i + 2]}]));
	return picture;
}
