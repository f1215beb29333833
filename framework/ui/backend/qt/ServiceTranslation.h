// Qt's own dialogs (file, print) speak Italian like the rest of the program.
#pragma once

// Installs Qt's Italian translation once, when the desktop has it (package qt6-translations-l10n;
// without it Qt's dialogs stay in English), and makes Italian Qt's default locale. Called when the
// Qt application is made, so that no Qt window ever shows before it.
void LoadQtItalianTranslation();
