// Test helpers: a signal stored to bytes or text, and bytes or text loaded into a signal, through an
// archive.
#pragma once

#include <string>
#include <vector>

class CSignal;

std::vector<unsigned char> StoreSignal(CSignal& signal);
void LoadSignal(CSignal& signal, const std::vector<unsigned char>& bytes);
void ImportText(CSignal& signal, const std::string& text);
std::string ExportText(CSignal& signal);
