#pragma once
// What every window of the program shares: one smoothed font, and Qt's own texts (standard
// buttons, the file dialog's labels) in the interface language.

namespace varnova {

// Makes the main window's font (the classic "MS Sans Serif", 11 pixels, mapped to an
// installed face) the application font, drawn smoothed, so that dialogs, hints and message
// boxes read as the main window does. Needs a QApplication.
void UseProgramFont();

// Installs Qt's translations for the language (0 Russian, 1 English: Qt's own English
// texts) so that the standard buttons and dialogs follow the interface language. A missing
// translation leaves Qt's English texts.
void UseQtTranslations(int lang);

} // namespace varnova
